#include "link/ReadRadio.h"

TfReadRadio::TfReadRadio(TWorkspace &ws, TMsgBox &box, QWidget *parent, TSerialLine *line)
    : TTransferDialog(ws, "fReadRadio", QStringLiteral("Read data From radio"), parent, line),
      m_flow(std::make_unique<TReadFlow>(ws, Line(), box, *this))
{
    connect(m_flow.get(), &TReadFlow::Settled, this, &TTransferDialog::Settled);
}

bool TfReadRadio::ReadDone() const
{
    return m_flow->ReadDone();
}

const TReadResult &TfReadRadio::Result() const
{
    return m_flow->Result();
}

TTransferOutcome TfReadRadio::Outcome() const
{
    return m_flow->Outcome();
}

void TfReadRadio::FlowShow()
{
    m_flow->Show();
}

void TfReadRadio::FlowOk()
{
    m_flow->Ok();
}

void TfReadRadio::FlowClose()
{
    m_flow->Close();
}

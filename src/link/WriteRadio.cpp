#include "link/WriteRadio.h"

#include <QCheckBox>
#include <QPushButton>

TfWriteRadio::TfWriteRadio(TWorkspace &ws, TMsgBox &box, QWidget *parent, TSerialLine *line)
    : TTransferDialog(ws, "fWriteRadio", QStringLiteral("Write data to radio"), parent, line),
      m_flow(std::make_unique<TWriteFlow>(ws, Line(), box, *this))
{
    chVerify = new QCheckBox(QStringLiteral("Verify after write"), this);
    chVerify->setObjectName(QStringLiteral("chVerify"));
    AddOptionRow(chVerify);
    setTabOrder(chVerify, btnOk);
    setTabOrder(btnOk, btnCancel);
    connect(m_flow.get(), &TWriteFlow::Settled, this, &TTransferDialog::Settled);
}

TTransferOutcome TfWriteRadio::Outcome() const
{
    return m_flow->Outcome();
}

int TfWriteRadio::MismatchAddress() const
{
    return m_flow->MismatchAddress();
}

void TfWriteRadio::FlowShow()
{
    m_flow->Show();
}

void TfWriteRadio::FlowOk()
{
    // Read when Ok is pressed, so each write follows the box as it is then.
    m_flow->SetVerify(chVerify->isChecked());
    m_flow->Ok();
}

void TfWriteRadio::FlowClose()
{
    m_flow->Close();
}

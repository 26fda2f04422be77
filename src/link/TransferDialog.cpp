#include "link/TransferDialog.h"

#include "core/Workspace.h"
#include "link/QtSerialLine.h"
#include "localisation/FormParts.h"
#include "localisation/Messages.h"
#include "localisation/Translate.h"

#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
constexpr int BarMinimumWidth = 320;
} // namespace

TTransferDialog::TTransferDialog(TWorkspace &ws, const char *formName, const QString &caption, QWidget *parent,
                                 TSerialLine *line)
    : QDialog(parent, FixedDialogFlags),
      m_ws(ws)
{
    if (!line) {
        m_ownLine = std::make_unique<TQtSerialLine>();
        line = m_ownLine.get();
    }
    m_line = line;

    setObjectName(QString::fromLatin1(formName));
    setWindowTitle(caption);

    pBar = new QProgressBar(this);
    pBar->setObjectName(QStringLiteral("pBar"));
    pBar->setMinimumWidth(BarMinimumWidth);
    pBar->setRange(0, 1);
    pBar->setValue(0);

    auto *column = new QVBoxLayout(this);
    column->addWidget(pBar);
    m_options = new QVBoxLayout;
    column->addLayout(m_options);
    column->addLayout(NewOkCancelRow(btnOk, btnCancel, this));
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOk, &QPushButton::clicked, this, &TTransferDialog::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TTransferDialog::btnCancelClick);
}

TTransferDialog::~TTransferDialog() = default;

void TTransferDialog::AddOptionRow(QWidget *option)
{
    m_options->addWidget(option);
}

void TTransferDialog::SetProgressMaximum(int maximum)
{
    pBar->setRange(0, maximum);
}

void TTransferDialog::SetProgress(int position)
{
    pBar->setValue(position);
}

void TTransferDialog::SetOkEnabled(bool enabled)
{
    btnOk->setEnabled(enabled);
}

void TTransferDialog::CloseView()
{
    reject();
}

void TTransferDialog::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TTransferDialog::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TTransferDialog::FormShow()
{
    const TALL &all = m_ws.All;
    if (all.LanguageIndex > 0)
        TranslateWindow(this, LanguageFilePath(all.AppFolder, all.LanguageName), true);
    FlowShow();
}

void TTransferDialog::FormClose()
{
    FlowClose();
}

void TTransferDialog::btnOkClick()
{
    FlowOk();
}

void TTransferDialog::btnCancelClick()
{
    reject();
}

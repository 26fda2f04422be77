#include "editing/BInfoEdit.h"

#include "core/Workspace.h"
#include "editing/ChannelFields.h"
#include "editing/ChannelSpinBox.h"
#include "editing/FrequencyEdit.h"
#include "editing/ToneSelector.h"
#include "image/FrequencyRange.h"
#include "image/ValueFormats.h"
#include "localisation/FormParts.h"
#include "localisation/Messages.h"
#include "localisation/MsgBox.h"
#include "localisation/Translate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

namespace {

using Col = TChannelStore::Column;

constexpr int kFrequencyWidth = 110;

} // namespace

TfBInfoEdit::TfBInfoEdit(TWorkspace &ws, TMsgBox &box, QWidget *parent)
    : QDialog(parent, FixedDialogFlags),
      m_ws(ws), m_box(box)
{
    setObjectName(QStringLiteral("fBInfoEdit"));
    setWindowTitle(QStringLiteral("Channel Edit"));

    lbChannel = NewCaption("lbChannel", QStringLiteral("Channel No."), this);
    sexd = new TChannelSpinBox("sexd", this);
    lbChannel->setBuddy(sexd);
    lbReceive = NewCaption("lbReceive", QStringLiteral("RX Frequency"), this);
    eReceive = new TFrequencyEdit("eReceive", this);
    eReceive->setMinimumWidth(kFrequencyWidth);
    lbReceive->setBuddy(eReceive);

    pMain = new QWidget(this);
    pMain->setObjectName(QStringLiteral("pMain"));
    lbSend = NewCaption("lbSend", QStringLiteral("TX Frequency"), pMain);
    eSend = new TFrequencyEdit("eSend", pMain);
    lbSend->setBuddy(eSend);
    m_fields = new TChannelFields(QStringLiteral("QT/DQT Deconde"), pMain);

    btnClose = NewButton("btnClose", QStringLiteral("&Close"), this);
    // Enter commits a field; it must not close the dialog on the way.
    btnClose->setAutoDefault(false);

    auto *grid = m_grid = new QGridLayout(this);
    grid->addWidget(lbChannel, 0, 0);
    grid->addWidget(sexd, 0, 1);
    grid->addWidget(lbReceive, 1, 0);
    grid->addWidget(eReceive, 1, 1);
    auto *panel = m_panel = new QGridLayout(pMain);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(lbSend, 0, 0);
    panel->addWidget(eSend, 0, 1);
    m_fields->AddTo(panel, 1);
    grid->addWidget(pMain, 2, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnClose);
    grid->addLayout(buttons, 3, 0, 1, 2);
    // The captions of both languages share one column, so fields line up.
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    pMain->setEnabled(false);
    AlignCaptions();

    SetChannelMaximum(ChannelCountOf(m_ws.Channels));

    connect(sexd, &QSpinBox::valueChanged, this, &TfBInfoEdit::sexdChange);
    connect(eReceive, &TFrequencyEdit::ValueChanged, this, &TfBInfoEdit::eReceivePropertiesEditValueChanged);
    connect(eSend, &TFrequencyEdit::ValueChanged, this, &TfBInfoEdit::eSendPropertiesEditValueChanged);
    connect(m_fields->cbQT, &TToneSelector::ValueChanged, this, &TfBInfoEdit::cbQTExit);
    connect(m_fields->cbDQT, &TToneSelector::ValueChanged, this, &TfBInfoEdit::cbDQTExit);
    connect(m_fields->cbQT, &TToneSelector::DoubleClicked, this, &TfBInfoEdit::cbQTDblClick);
    connect(m_fields->cbDQT, &TToneSelector::DoubleClicked, this, &TfBInfoEdit::cbDQTDblClick);
    connect(m_fields->cbkz, &QComboBox::currentIndexChanged, this, &TfBInfoEdit::cbkzChange);
    connect(m_fields->cbfsgl, &QComboBox::currentIndexChanged, this, &TfBInfoEdit::cbkzChange);
    connect(m_fields->chsmtj, &QCheckBox::clicked, this, &TfBInfoEdit::chsmtjClick);
    connect(m_fields->chpppy, &QCheckBox::clicked, this, &TfBInfoEdit::chpppyClick);
    connect(m_fields->chfm, &QCheckBox::clicked, this, &TfBInfoEdit::chfmClick);
    connect(btnClose, &QPushButton::clicked, this, &TfBInfoEdit::btnCloseClick);
}

void TfBInfoEdit::SetInitialChannel(int channel)
{
    m_initialChannel = channel;
}

void TfBInfoEdit::SetChannelMaximum(int maximum)
{
    sexd->setMaximum(std::max(sexd->minimum(), maximum));
}

void TfBInfoEdit::done(int result)
{
    if (isVisible()) {
        eReceive->Commit();
        eSend->Commit();
        m_fields->cbQT->Commit();
        m_fields->cbDQT->Commit();
    }
    QDialog::done(result);
}

void TfBInfoEdit::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TfBInfoEdit::FormShow()
{
    m_loading = true;
    if (m_ws.All.LanguageIndex > 0)
        TranslateWindow(this, LanguageFilePath(m_ws.All.AppFolder, m_ws.All.LanguageName), true);
    m_loading = false;
    AlignCaptions();
    sexd->setValue(m_initialChannel); // limited to the channels; a change loads it
    LoadChannel();
}

void TfBInfoEdit::AlignCaptions()
{
    int width = 0;
    for (const QLabel *caption : {lbChannel, lbReceive, lbSend, m_fields->lbQT, m_fields->lbDQT,
                                  m_fields->lbkz, m_fields->lbfsgl})
        width = std::max(width, caption->sizeHint().width());
    m_grid->setColumnMinimumWidth(0, width);
    m_panel->setColumnMinimumWidth(0, width);
}

int TfBInfoEdit::Row() const
{
    return GridRowOfChannel(sexd->value());
}

void TfBInfoEdit::LoadChannel()
{
    m_loading = true;
    const TChannelStore &store = m_ws.Channels;
    const int row = Row();
    const QString rx = store.Text(Col::ColRx, row);
    eReceive->SetValueText(rx);
    if (!rx.trimmed().isEmpty()) {
        pMain->setEnabled(true);
        eSend->SetValueText(store.Text(Col::ColTx, row));
        m_fields->LoadRow(store, row);
    } else {
        pMain->setEnabled(false);
        ClearFields();
    }
    m_loading = false;
}

void TfBInfoEdit::ClearFields()
{
    eReceive->SetValueText(QString());
    eSend->SetValueText(QString());
    m_fields->Clear();
}

void TfBInfoEdit::WriteBack()
{
    if (m_loading)
        return;
    TChannelStore &store = m_ws.Channels;
    const int row = Row();
    store.BeginUpdate();
    // The committed texts: a field still being typed into is not yet checked.
    const QString rx = eReceive->CommittedText();
    if (!rx.trimmed().isEmpty()) {
        store.SetText(Col::ColRx, row, rx);
        store.SetText(Col::ColTx, row, eSend->CommittedText());
        m_fields->WriteRow(store, row);
        store.SetHidden(Col::ColNumber, row, QStringLiteral("1"));
        store.SetReadOnly(Col::ColTx, row, false);
    } else {
        store.ClearChannelRow(row);
    }
    store.EndUpdate();
    m_ws.All.Modified = true;
}

void TfBInfoEdit::sexdChange()
{
    LoadChannel();
}

void TfBInfoEdit::eReceivePropertiesEditValueChanged()
{
    if (m_loading)
        return;
    const QString typed = eReceive->text().trimmed();
    if (typed.isEmpty()) {
        WriteBack();
        ClearFields();
        pMain->setEnabled(false);
        return;
    }
    const std::optional<double> f = ParseFrequency(typed);
    if (!f) {
        m_box.MsgBox(m_ws.Language.Caution, m_ws.Language.ErrRange, MsgInformation);
        eReceive->SetValueText(m_ws.Channels.Text(Col::ColRx, Row()));
        return;
    }
    const TRangeResult checked = CheckFrequencyRange(*f, TFrequencyLimits::Of(m_ws.All));
    ShowRangeMessage(checked.verdict, m_ws.Language, m_box);
    eReceive->SetValueText(FrequencyText(RoundToStep(checked.value)));
    pMain->setEnabled(true);
    if (eSend->CommittedText().trimmed().isEmpty())
        eSend->SetValueText(eReceive->text());
    WriteBack();
}

void TfBInfoEdit::eSendPropertiesEditValueChanged()
{
    if (m_loading)
        return;
    const QString typed = eSend->text().trimmed();
    if (!typed.isEmpty()) {
        if (const std::optional<double> f = ParseFrequency(typed)) {
            const TRangeResult checked = CheckFrequencyRange(*f, TFrequencyLimits::Of(m_ws.All));
            ShowRangeMessage(checked.verdict, m_ws.Language, m_box);
            eSend->SetValueText(FrequencyText(RoundToStep(checked.value)));
            // On to the next field, its text selected as Tab selects it, so
            // that typing replaces the tone instead of adding to it.
            // (A range message in between has taken the window's focus for a
            // while: what counts is where the focus stands in this window.)
            if (focusWidget() == eSend) {
                m_fields->cbQT->setFocus(Qt::TabFocusReason);
                m_fields->cbQT->lineEdit()->selectAll(); // also when a message was up
            }
        } else {
            m_box.MsgBox(m_ws.Language.Caution, m_ws.Language.ErrRange, MsgInformation);
            eSend->SetValueText(m_ws.Channels.Text(Col::ColTx, Row()));
        }
    } else {
        // A channel without TX frequency sends no tone.
        m_fields->cbDQT->ShowCell(QString(), QString());
    }
    WriteBack();
}

void TfBInfoEdit::cbQTExit()
{
    if (m_loading)
        return;
    m_fields->cbQT->Normalise(m_ws.Channels.Texts().None);
    WriteBack();
}

void TfBInfoEdit::cbDQTExit()
{
    if (m_loading)
        return;
    m_fields->cbDQT->Normalise(m_ws.Channels.Texts().None);
    WriteBack();
}

void TfBInfoEdit::cbQTDblClick()
{
    if (m_fields->cbQT->PickTone(m_ws.All, this))
        cbQTExit();
}

void TfBInfoEdit::cbDQTDblClick()
{
    if (m_fields->cbDQT->PickTone(m_ws.All, this))
        cbDQTExit();
}

void TfBInfoEdit::cbkzChange()
{
    WriteBack();
}

void TfBInfoEdit::chsmtjClick()
{
    m_fields->SyncHidden(m_fields->chsmtj);
    WriteBack();
}

void TfBInfoEdit::chpppyClick()
{
    m_fields->SyncHidden(m_fields->chpppy);
    WriteBack();
}

void TfBInfoEdit::chfmClick()
{
    m_fields->SyncHidden(m_fields->chfm);
    WriteBack();
}

void TfBInfoEdit::btnCloseClick()
{
    close();
}

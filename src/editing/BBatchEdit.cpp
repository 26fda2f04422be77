#include "editing/BBatchEdit.h"

#include "core/Workspace.h"
#include "editing/ChannelFields.h"
#include "editing/ChannelSpinBox.h"
#include "editing/FrequencyEdit.h"
#include "editing/ToneSelector.h"
#include "image/ValueFormats.h"
#include "localisation/FormParts.h"
#include "localisation/Messages.h"
#include "localisation/MsgBox.h"
#include "localisation/Translate.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <algorithm>

namespace {

using Col = TChannelStore::Column;

constexpr int kKeepItems = -2;
constexpr int kFrequencyWidth = 110;
constexpr int kStepWidth = 80;
constexpr double kKiloPerMega = 1000.0;
// A frequency has eight 10 Hz digits below this; the step grid knows no other.
constexpr double kGridLimit = 1000.0;
const QString kInitialStep = QStringLiteral("25.0");
const QString kZero = QStringLiteral("0.00000");

QRadioButton *NewRadio(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// The edit's value cut onto the channel step; left alone when it is no
// number, and only formatted where the step grid cannot hold it.
void RoundEdit(TFrequencyEdit *edit)
{
    const std::optional<double> f = ParseFrequency(edit->text());
    if (!f)
        return;
    const bool onGrid = *f >= 0 && *f < kGridLimit;
    edit->SetValueText(FrequencyText(onGrid ? RoundToStep(*f) : *f));
}

} // namespace

TfBBatchEdit::TfBBatchEdit(TWorkspace &ws, TMsgBox &box, QWidget *parent)
    : QDialog(parent, FixedDialogFlags),
      m_ws(ws), m_box(box)
{
    setObjectName(QStringLiteral("fBBatchEdit"));
    setWindowTitle(QStringLiteral("Batch Channel Edit"));

    lbReceive = NewCaption("lbReceive", QStringLiteral("Incept RX Frequency(MHz)"), this);
    eReceive = new TFrequencyEdit("eReceive", this);
    eReceive->setMinimumWidth(kFrequencyWidth);
    eReceive->SetValueText(kZero);
    lbReceive->setBuddy(eReceive);
    lbSend = NewCaption("lbSend", QStringLiteral("Incept TX Frequency(MHz)"), this);
    eSend = new TFrequencyEdit("eSend", this);
    eSend->SetValueText(kZero);
    lbSend->setBuddy(eSend);
    lbJg = NewCaption("lbJg", QStringLiteral("Frequency Step(KHz)"), this);
    cbJg = NewFixedList("cbJg", kKeepItems, kStepWidth, this);
    cbJg->addItems({QStringLiteral("6.25"), QStringLiteral("5.00")});
    // Shown until the user picks one of the two items, and drawn as a value
    // (not greyed like a hint): it is the step the fill will use.
    cbJg->setPlaceholderText(kInitialStep);
    cbJg->setCurrentIndex(-1);
    QPalette stepColours = cbJg->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        stepColours.setColor(group, QPalette::PlaceholderText, stepColours.color(group, QPalette::ButtonText));
    cbJg->setPalette(stepColours);
    lbJg->setBuddy(cbJg);
    m_fields = new TChannelFields(QStringLiteral("QT/DQT Decode"), this);

    rall = NewRadio("rall", QStringLiteral("&All Channel"), this);
    rOne = NewRadio("rOne", QStringLiteral("&Channel"), this);
    pPd = new QWidget(this);
    pPd->setObjectName(QStringLiteral("pPd"));
    lbFrom = NewCaption("lbFrom", QStringLiteral("&From"), pPd);
    seFrom = new TChannelSpinBox("seFrom", pPd);
    lbFrom->setBuddy(seFrom);
    lbTo = NewCaption("lbTo", QStringLiteral("&To"), pPd);
    seTo = new TChannelSpinBox("seTo", pPd);
    lbTo->setBuddy(seTo);
    rasc = NewRadio("rasc", QStringLiteral("ASC"), this);
    rdesc = NewRadio("rdesc", QStringLiteral("DESC"), this);
    auto *range = new QButtonGroup(this);
    range->addButton(rall);
    range->addButton(rOne);
    auto *direction = new QButtonGroup(this);
    direction->addButton(rasc);
    direction->addButton(rdesc);
    // Only once grouped: before that all four radio buttons exclude each other.
    rall->setChecked(true);
    rasc->setChecked(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(lbReceive, 0, 0);
    grid->addWidget(eReceive, 0, 1);
    grid->addWidget(lbSend, 1, 0);
    grid->addWidget(eSend, 1, 1);
    grid->addWidget(lbJg, 2, 0);
    grid->addWidget(cbJg, 2, 1);
    int row = m_fields->AddTo(grid, 3);
    auto *ranges = new QHBoxLayout;
    ranges->addWidget(rall);
    ranges->addWidget(rOne);
    ranges->addStretch();
    grid->addLayout(ranges, row++, 0, 1, 2);
    auto *fromTo = new QHBoxLayout(pPd);
    fromTo->setContentsMargins(0, 0, 0, 0);
    fromTo->addWidget(lbFrom);
    fromTo->addWidget(seFrom);
    fromTo->addWidget(lbTo);
    fromTo->addWidget(seTo);
    fromTo->addStretch();
    grid->addWidget(pPd, row++, 0, 1, 2);
    auto *directions = new QHBoxLayout;
    directions->addWidget(rasc);
    directions->addWidget(rdesc);
    directions->addStretch();
    grid->addLayout(directions, row++, 0, 1, 2);
    grid->addLayout(NewOkCancelRow(btnOk, btnCancel, this), row, 0, 1, 2);
    // Ok overwrites a run of channels (all of them at first) and cannot be
    // undone: Enter in a field must not press it. Only Ok itself, focused,
    // clicked or by its shortcut, fills.
    btnOk->setDefault(false);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    pPd->setEnabled(false);

    SetChannelMaximum(ChannelCountOf(m_ws.Channels));

    connect(eReceive, &TFrequencyEdit::ValueChanged, this, &TfBBatchEdit::eReceivePropertiesEditValueChanged);
    connect(eSend, &TFrequencyEdit::ValueChanged, this, &TfBBatchEdit::eSendPropertiesEditValueChanged);
    connect(m_fields->cbQT, &TToneSelector::ValueChanged, this, &TfBBatchEdit::cbQTExit);
    connect(m_fields->cbDQT, &TToneSelector::ValueChanged, this, &TfBBatchEdit::cbDQTExit);
    connect(m_fields->cbQT, &TToneSelector::DoubleClicked, this, &TfBBatchEdit::cbQTDblClick);
    connect(m_fields->cbDQT, &TToneSelector::DoubleClicked, this, &TfBBatchEdit::cbDQTDblClick);
    connect(m_fields->chsmtj, &QCheckBox::clicked, this, &TfBBatchEdit::chsmtjClick);
    connect(m_fields->chpppy, &QCheckBox::clicked, this, &TfBBatchEdit::chpppyClick);
    connect(m_fields->chfm, &QCheckBox::clicked, this, &TfBBatchEdit::chfmClick);
    connect(rall, &QRadioButton::toggled, this, &TfBBatchEdit::rallClick);
    connect(rOne, &QRadioButton::toggled, this, &TfBBatchEdit::rallClick);
    connect(btnOk, &QPushButton::clicked, this, &TfBBatchEdit::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfBBatchEdit::btnCancelClick);
}

void TfBBatchEdit::SetChannelMaximum(int maximum)
{
    for (TChannelSpinBox *spin : {seFrom, seTo})
        spin->setMaximum(std::max(spin->minimum(), maximum));
}

void TfBBatchEdit::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TfBBatchEdit::FormShow()
{
    if (m_ws.All.LanguageIndex > 0)
        TranslateWindow(this, LanguageFilePath(m_ws.All.AppFolder, m_ws.All.LanguageName), true);
    // Item 0 may have been renamed under the selectors: they show it afresh.
    m_fields->cbQT->Normalise(m_ws.Channels.Texts().None);
    m_fields->cbDQT->Normalise(m_ws.Channels.Texts().None);
}

void TfBBatchEdit::rallClick()
{
    pPd->setEnabled(rOne->isChecked());
}

void TfBBatchEdit::eReceivePropertiesEditValueChanged()
{
    RoundEdit(eReceive);
}

void TfBBatchEdit::eSendPropertiesEditValueChanged()
{
    RoundEdit(eSend);
}

void TfBBatchEdit::cbQTExit()
{
    m_fields->cbQT->Normalise(m_ws.Channels.Texts().None);
}

void TfBBatchEdit::cbDQTExit()
{
    m_fields->cbDQT->Normalise(m_ws.Channels.Texts().None);
}

void TfBBatchEdit::cbQTDblClick()
{
    if (m_fields->cbQT->PickTone(m_ws.All, this))
        cbQTExit();
}

void TfBBatchEdit::cbDQTDblClick()
{
    if (m_fields->cbDQT->PickTone(m_ws.All, this))
        cbDQTExit();
}

void TfBBatchEdit::chsmtjClick()
{
    m_fields->SyncHidden(m_fields->chsmtj);
}

void TfBBatchEdit::chpppyClick()
{
    m_fields->SyncHidden(m_fields->chpppy);
}

void TfBBatchEdit::chfmClick()
{
    m_fields->SyncHidden(m_fields->chfm);
}

void TfBBatchEdit::btnOkClick()
{
    // What is still being typed counts, as it would after leaving the field.
    eReceive->Commit();
    eSend->Commit();
    m_fields->cbQT->Commit();
    m_fields->cbDQT->Commit();
    if (ValidateRun())
        FillRun();
}

void TfBBatchEdit::btnCancelClick()
{
    reject();
}

bool TfBBatchEdit::OutsideModel(double mhz) const
{
    return mhz > m_ws.All.ModelUpperLimit || mhz < m_ws.All.ModelLowerLimit;
}

bool TfBBatchEdit::ValidateRun()
{
    const std::optional<double> rx = ParseFrequency(eReceive->text());
    const std::optional<double> tx = ParseFrequency(eSend->text());
    if (!rx || !tx)
        return false;
    if (!rOne->isChecked())
        return true;
    const TLanguage &messages = m_ws.Language;
    if (seFrom->value() > seTo->value()) {
        m_box.MsgBox(messages.Confirmation, messages.FChBigT, MsgInformation);
        return false;
    }
    if (OutsideModel(*rx) || OutsideModel(*tx)) {
        m_box.MsgBox(messages.Caution, messages.ErrRange, MsgInformation);
        return false;
    }
    return true;
}

std::optional<double> TfBBatchEdit::Step() const
{
    const QString shown = cbJg->currentIndex() < 0 ? cbJg->placeholderText() : cbJg->currentText();
    const std::optional<double> kHz = ParseFrequency(shown);
    if (!kHz)
        return std::nullopt;
    return *kHz / kKiloPerMega;
}

void TfBBatchEdit::FillRun()
{
    TChannelStore &store = m_ws.Channels;
    const int channels = ChannelCountOf(store);
    const int first = rOne->isChecked() ? seFrom->value() : 1;
    const int last = std::min(rOne->isChecked() ? seTo->value() : seTo->maximum(), channels);
    std::optional<double> rx = ParseFrequency(eReceive->text());
    std::optional<double> tx = ParseFrequency(eSend->text());
    std::optional<double> step = Step();
    if (!rx || !tx || !step) {
        m_box.MsgBox(m_ws.Language.Caution, m_ws.Language.ErrRange, MsgInformation);
        return;
    }
    if (rdesc->isChecked())
        *step = -*step;
    const double lower = m_ws.All.ModelLowerLimit;
    const double upper = m_ws.All.ModelUpperLimit;

    store.BeginUpdate();
    for (int channel = first; channel <= last; ++channel) {
        const int row = GridRowOfChannel(channel);
        // The running values are carried on unrounded, limited as they go.
        *rx = std::clamp(*rx, lower, upper);
        *tx = std::clamp(*tx, lower, upper);
        store.SetText(Col::ColRx, row, FrequencyText(RoundToStep(*rx)));
        store.SetText(Col::ColTx, row, FrequencyText(RoundToStep(*tx)));
        m_fields->WriteRow(store, row);
        store.SetHidden(Col::ColNumber, row, QStringLiteral("1"));
        m_ws.All.Modified = true;
        *rx += *step;
        *tx += *step;
    }
    for (int channel = 1; channel <= channels; ++channel)
        store.SetReadOnly(Col::ColTx, GridRowOfChannel(channel), false);
    store.EndUpdate();
}

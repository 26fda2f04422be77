#include "image/BFunSet.h"

#include "core/Workspace.h"
#include "localisation/FormParts.h"
#include "localisation/Messages.h"
#include "localisation/Translate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int KeepItems = -2;
constexpr int FirstItemOnly = -3;
constexpr int ListMinimumWidth = 110;
constexpr int ListLabelGap = 8; // between a label and its list
constexpr int GainLowest = 1;  // shown for VoxGainLevel 0
constexpr int GainHighest = 5; // shown for VoxGainLevel 4
constexpr int NoEntry = -1;

struct TListDef {
    const char *label;
    const char *caption;
    const char *name;
    int tag;
    QStringList items;
    int TFun::*field;
};

// In the order the dialog shows them, top to bottom.
const std::vector<TListDef> &ListDefs()
{
    static const std::vector<TListDef> defs{
        {"Label1", "Squelch level", "cbSQvelch", KeepItems,
         {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, &TFun::SquelchLevel},
        {"Label2", "Side Key", "cbMonikey", 0, {"Off", "Monmome", "H/L Power", "Alarm"},
         &TFun::SideKey},
        {"Label3", "TX Time Out", "cbTxTimeout", FirstItemOnly,
         {"Off", "30", "60", "90", "120", "150", "180", "210", "240", "270", "300"},
         &TFun::TxTimeOut},
        {"Label5", "Scan", "cxScan", 0, {"Off", "On"}, &TFun::ScanMode},
        {"Label4", "Voice", "cxWaveof", 0, {"Off", "On"}, &TFun::VoicePrompt},
        {"Label10", "Voice Annunciation", "cbVoice", 0, {"English", "Chinese"},
         &TFun::VoiceLanguage},
        {"Label6", "Incept Alarm", "cxAlt", 0, {"Off", "On"}, &TFun::InceptAlarm},
        {"Label7", "FM", "cxFM", 0, {"Interdict", "Turn on"}, &TFun::FmRadio},
    };
    return defs;
}

struct TCheckDef {
    const char *name;
    const char *caption;
    int TFun::*field;
};

constexpr TCheckDef OptionChecks[] = {
    {"cbBattSave", "Battery Save", &TFun::BatterySave},
    {"cbBeepTone", "Clew Voice", &TFun::ClewVoice},
    {"cbVolhigh", "High Vol Inhibit Tx", &TFun::HighVolInhibitTx},
    {"cbVolLow", "Low Vol Inhibit Tx", &TFun::LowVolInhibitTx},
};

QCheckBox *NewCheck(const char *name, const char *caption, QWidget *parent)
{
    auto *check = new QCheckBox(QString::fromLatin1(caption), parent);
    check->setObjectName(QString::fromLatin1(name));
    return check;
}

int CheckValue(const QCheckBox *check)
{
    return check->isChecked() ? 1 : 0;
}

} // namespace

TfBFunSet::TfBFunSet(TWorkspace &ws, QWidget *parent)
    : QDialog(parent, FixedDialogFlags),
      m_ws(ws)
{
    setObjectName(QStringLiteral("fBFunSet"));
    setWindowTitle(QStringLiteral("Function Setting"));

    auto *grid = new QGridLayout(this);
    auto *left = new QGridLayout;
    BuildLists(left);
    left->setHorizontalSpacing(ListLabelGap);
    grid->addLayout(left, 0, 0, 2, 1);
    grid->addWidget(BuildVoxGroup(), 0, 1);
    grid->addWidget(BuildOptions(), 1, 1);
    grid->addLayout(NewOkCancelRow(btnOk, btnCancel, this), 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(16);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(chVoxFun, &QCheckBox::toggled, this, &TfBFunSet::chVoxFunClick);
    connect(seVoxLevel, &QSpinBox::valueChanged, this, [this] { m_gainChanged = true; });
    connect(btnOk, &QPushButton::clicked, this, &TfBFunSet::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfBFunSet::btnCancelClick);
}

void TfBFunSet::BuildLists(QGridLayout *grid)
{
    int row = 0;
    for (const TListDef &def : ListDefs()) {
        QLabel *label = NewCaption(def.label, QString::fromLatin1(def.caption), this);
        QComboBox *list = NewFixedList(def.name, def.tag, ListMinimumWidth, this);
        list->addItems(def.items);
        label->setBuddy(list);
        grid->addWidget(label, row, 0);
        grid->addWidget(list, row, 1);
        m_lists.push_back({list, def.field});
        ++row;
    }
    grid->setRowStretch(row, 1);
}

QWidget *TfBFunSet::BuildVoxGroup()
{
    gbVox = new QGroupBox(QStringLiteral("VOX"), this);
    gbVox->setObjectName(QStringLiteral("gbVox"));
    chVoxFun = NewCheck("chVoxFun", "VOX Function", gbVox);

    Panel1 = new QWidget(gbVox);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Label8 = NewCaption("Label8", QStringLiteral("VOX Gain Level"), Panel1);
    seVoxLevel = new QSpinBox(Panel1);
    seVoxLevel->setObjectName(QStringLiteral("seVoxLevel"));
    seVoxLevel->setRange(GainLowest, GainHighest);
    Label8->setBuddy(seVoxLevel);
    chVoxInhibit = NewCheck("chVoxInhibit", "VOX Inhibit OnReceive", Panel1);

    auto *panel = new QGridLayout(Panel1);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(Label8, 0, 0);
    panel->addWidget(seVoxLevel, 0, 1);
    panel->addWidget(chVoxInhibit, 1, 0, 1, 2);
    panel->setColumnStretch(1, 1);

    auto *group = new QVBoxLayout(gbVox);
    group->addWidget(chVoxFun);
    group->addWidget(Panel1);
    return gbVox;
}

QWidget *TfBFunSet::BuildOptions()
{
    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("pnOptions"));
    frame->setFrameShape(QFrame::StyledPanel);
    auto *column = new QVBoxLayout(frame);
    for (const TCheckDef &def : OptionChecks) {
        QCheckBox *check = NewCheck(def.name, def.caption, frame);
        column->addWidget(check);
        m_checks.push_back({check, def.field});
    }
    column->addStretch();
    return frame;
}

void TfBFunSet::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TfBFunSet::FormShow()
{
    Prepare();
}

void TfBFunSet::Prepare()
{
    const TALL &all = m_ws.All;
    if (all.LanguageIndex > 0)
        TranslateWindow(this, LanguageFilePath(all.AppFolder, all.LanguageName), true);

    const TFun &fun = m_ws.Fun;
    m_prepared = fun;
    for (const TListControl &c : m_lists) {
        const int value = fun.*c.field;
        c.list->setCurrentIndex(value >= 0 && value < c.list->count() ? value : NoEntry);
    }
    for (const TCheckControl &c : m_checks)
        c.check->setChecked(fun.*c.field == 1);
    chVoxFun->setChecked(fun.VoxFunction == 1);
    chVoxInhibit->setChecked(fun.VoxInhibitOnReceive == 1);
    {
        const QSignalBlocker loading(seVoxLevel);
        seVoxLevel->setValue(fun.VoxGainLevel + 1); // the spin edit clamps to 1..5
    }
    m_gainChanged = false;
    chVoxFunClick();
}

void TfBFunSet::chVoxFunClick()
{
    Panel1->setEnabled(chVoxFun->isChecked());
}

void TfBFunSet::btnOkClick()
{
    TFun &fun = m_ws.Fun;
    for (const TListControl &c : m_lists) {
        const int index = c.list->currentIndex();
        fun.*c.field = index == NoEntry ? m_prepared.*c.field : index;
    }
    for (const TCheckControl &c : m_checks)
        fun.*c.field = CheckValue(c.check);
    fun.VoxFunction = CheckValue(chVoxFun);
    fun.VoxInhibitOnReceive = CheckValue(chVoxInhibit);
    fun.VoxGainLevel = m_gainChanged ? seVoxLevel->value() - 1 : m_prepared.VoxGainLevel;
    m_ws.All.Modified = true;
    accept();
}

void TfBFunSet::btnCancelClick()
{
    reject();
}

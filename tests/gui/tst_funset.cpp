// The function settings dialog: what it shows for a record, what Ok and
// Cancel store, the VOX panel, values without an entry in their list, the
// unshown preparation the report uses, and the translated lists.

#include "DialogPictures.h"
#include "image/AllClass.h"
#include "image/BFunSet.h"
#include "support/Fixtures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

namespace {

const QString kShare = QStringLiteral(ORVEL_SHARE_DIR "/");

template <class T> T *Child(QWidget *dialog, const QString &name)
{
    auto *child = dialog->findChild<T *>(name);
    if (!child)
        qFatal("no component %s", qPrintable(name));
    return child;
}

// The text a control shows: a list's or spin edit's text, "x"/"-" for a
// ticked/unticked check box, a label's caption.
QString Shown(QWidget *dialog, const QString &name)
{
    QWidget *w = Child<QWidget>(dialog, name);
    if (auto *list = qobject_cast<QComboBox *>(w))
        return list->currentText();
    if (auto *check = qobject_cast<QCheckBox *>(w))
        return check->isChecked() ? "x" : "-";
    if (auto *spin = qobject_cast<QSpinBox *>(w))
        return spin->text();
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    return {};
}

// Everything the report reads, plus the panel's state.
QStringList State(QWidget *dialog)
{
    QStringList state{dialog->windowTitle()};
    for (const char *name :
         {"Label1", "cbSQvelch", "Label2", "cbMonikey", "Label3", "cbTxTimeout", "Label5", "cxScan",
          "Label4", "cxWaveof", "Label10", "cbVoice", "Label6", "cxAlt", "Label7", "cxFM", "chVoxFun",
          "Label8", "seVoxLevel", "chVoxInhibit", "cbBattSave", "cbBeepTone", "cbVolhigh", "cbVolLow"})
        state << Shown(dialog, QString::fromLatin1(name));
    state << (Child<QWidget>(dialog, "Panel1")->isEnabled() ? "enabled" : "disabled");
    return state;
}

QStringList Items(QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

void Click(QWidget *dialog, const char *button)
{
    Child<QAbstractButton>(dialog, QString::fromLatin1(button))->click();
}

int TFun::*Field(const QString &name)
{
    for (const TFunField &f : FunFields())
        if (name == QLatin1String(f.name))
            return f.member;
    qFatal("no field %s", qPrintable(name));
}

void UseChinese(TWorkspace &ws)
{
    ws.All.LanguageName = "Chinese";
    ws.All.LanguageIndex = 1;
    ws.All.AppFolder = kShare;
}

} // namespace

class TstFunSet : public QObject {
    Q_OBJECT

private slots:
    void showsTheDefaults()
    {
        auto ws = NewWorkspace();
        TfBFunSet dialog(*ws);
        dialog.show();
        QCOMPARE(State(&dialog),
                 (QStringList{"Function Setting", "Squelch level", "5", "Side Key", "Monmome",
                              "TX Time Out", "180", "Scan", "Off", "Voice", "On",
                              "Voice Annunciation", "Chinese", "Incept Alarm", "Off", "FM",
                              "Turn on", "-", "VOX Gain Level", "5", "-", "x", "x", "x", "x",
                              "disabled"}));
        QVERIFY(!ws->All.Modified);
    }

    void voxPanelFollowsTheTickAndKeepsItsValues()
    {
        auto ws = NewWorkspace();
        TfBFunSet dialog(*ws);
        dialog.show();
        auto *vox = Child<QCheckBox>(&dialog, "chVoxFun");
        auto *panel = Child<QWidget>(&dialog, "Panel1");
        auto *gain = Child<QSpinBox>(&dialog, "seVoxLevel");
        auto *inhibit = Child<QCheckBox>(&dialog, "chVoxInhibit");

        vox->click();
        QVERIFY(panel->isEnabled() && gain->isEnabled() && inhibit->isEnabled());
        gain->setValue(3);
        inhibit->click();
        vox->click();
        QVERIFY(!panel->isEnabled() && !gain->isEnabled() && !inhibit->isEnabled());
        QCOMPARE(gain->value(), 3);
        QVERIFY(inhibit->isChecked());

        Click(&dialog, "btnOk");
        QCOMPARE(ws->Fun.VoxFunction, 0);
        QCOMPARE(ws->Fun.VoxGainLevel, 2);
        QCOMPARE(ws->Fun.VoxInhibitOnReceive, 1);
    }

    void okAlwaysMarksModifiedCancelStoresNothing()
    {
        auto ws = NewWorkspace();
        {
            TfBFunSet dialog(*ws);
            dialog.show();
            Click(&dialog, "btnOk");
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(ws->Fun, TFun());
        QVERIFY(ws->All.Modified);

        ws->All.Modified = false;
        TfBFunSet dialog(*ws);
        dialog.show();
        Child<QComboBox>(&dialog, "cbSQvelch")->setCurrentIndex(9);
        Child<QCheckBox>(&dialog, "cbBattSave")->click();
        Child<QSpinBox>(&dialog, "seVoxLevel")->setValue(1);
        Click(&dialog, "btnCancel");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(ws->Fun, TFun());
        QVERIFY(!ws->All.Modified);
    }

    void okStoresWhatIsShown_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("choice"); // list index, spin value or 0/1 tick
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("stored");

        QTest::newRow("gain 1") << "seVoxLevel" << 1 << "VoxGainLevel" << 0;
        QTest::newRow("gain 5") << "seVoxLevel" << 5 << "VoxGainLevel" << 4;
        QTest::newRow("squelch 0") << "cbSQvelch" << 0 << "SquelchLevel" << 0;
        QTest::newRow("side key alarm") << "cbMonikey" << 3 << "SideKey" << 3;
        QTest::newRow("time-out 300") << "cbTxTimeout" << 10 << "TxTimeOut" << 10;
        QTest::newRow("scan on") << "cxScan" << 1 << "ScanMode" << 1;
        QTest::newRow("voice off") << "cxWaveof" << 0 << "VoicePrompt" << 0;
        QTest::newRow("English") << "cbVoice" << 0 << "VoiceLanguage" << 0;
        QTest::newRow("alarm on") << "cxAlt" << 1 << "InceptAlarm" << 1;
        QTest::newRow("FM interdict") << "cxFM" << 0 << "FmRadio" << 0;
        QTest::newRow("battery save off") << "cbBattSave" << 0 << "BatterySave" << 0;
        QTest::newRow("beep off") << "cbBeepTone" << 0 << "ClewVoice" << 0;
        QTest::newRow("high vol off") << "cbVolhigh" << 0 << "HighVolInhibitTx" << 0;
        QTest::newRow("low vol off") << "cbVolLow" << 0 << "LowVolInhibitTx" << 0;
        QTest::newRow("vox on") << "chVoxFun" << 1 << "VoxFunction" << 1;
        QTest::newRow("inhibit on") << "chVoxInhibit" << 1 << "VoxInhibitOnReceive" << 1;
    }

    void okStoresWhatIsShown()
    {
        QFETCH(QString, control);
        QFETCH(int, choice);
        QFETCH(QString, field);
        QFETCH(int, stored);
        auto ws = NewWorkspace();
        TfBFunSet dialog(*ws);
        dialog.show();
        QWidget *w = Child<QWidget>(&dialog, control);
        if (auto *list = qobject_cast<QComboBox *>(w))
            list->setCurrentIndex(choice);
        else if (auto *spin = qobject_cast<QSpinBox *>(w))
            spin->setValue(choice);
        else
            qobject_cast<QCheckBox *>(w)->setChecked(choice == 1);
        Click(&dialog, "btnOk");

        TFun expected;
        expected.*Field(field) = stored;
        QCOMPARE(ws->Fun, expected);
    }

    // A data file stores settings unclamped: a value without an entry shows
    // none and survives Ok, unless the user picks an entry.
    void valuesWithoutEntryAreKept_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("pick"); // -1: none
        QTest::addColumn<int>("stored");

        QTest::newRow("squelch 12") << "SquelchLevel" << 12 << "cbSQvelch" << "" << -1 << 12;
        QTest::newRow("squelch -1") << "SquelchLevel" << -1 << "cbSQvelch" << "" << -1 << -1;
        QTest::newRow("side key 5") << "SideKey" << 5 << "cbMonikey" << "" << -1 << 5;
        QTest::newRow("side key 4 picked") << "SideKey" << 4 << "cbMonikey" << "" << 2 << 2;
        QTest::newRow("time-out 11") << "TxTimeOut" << 11 << "cbTxTimeout" << "" << -1 << 11;
        QTest::newRow("scan 255") << "ScanMode" << 255 << "cxScan" << "" << -1 << 255;
        QTest::newRow("FM 2 picked") << "FmRadio" << 2 << "cxFM" << "" << 0 << 0;
        QTest::newRow("gain 7") << "VoxGainLevel" << 7 << "seVoxLevel" << "5" << -1 << 7;
        QTest::newRow("gain -3") << "VoxGainLevel" << -3 << "seVoxLevel" << "1" << -1 << -3;
        QTest::newRow("gain 9 changed") << "VoxGainLevel" << 9 << "seVoxLevel" << "5" << 2 << 1;
    }

    void valuesWithoutEntryAreKept()
    {
        QFETCH(QString, field);
        QFETCH(int, value);
        QFETCH(QString, control);
        QFETCH(QString, shown);
        QFETCH(int, pick);
        QFETCH(int, stored);
        auto ws = NewWorkspace();
        ws->Fun.*Field(field) = value;
        TfBFunSet dialog(*ws);
        dialog.show();
        QCOMPARE(Shown(&dialog, control), shown);
        if (pick >= 0) {
            QWidget *w = Child<QWidget>(&dialog, control);
            if (auto *list = qobject_cast<QComboBox *>(w))
                list->setCurrentIndex(pick);
            else
                qobject_cast<QSpinBox *>(w)->setValue(pick);
        }
        Click(&dialog, "btnOk");
        QCOMPARE(ws->Fun.*Field(field), stored);
        TFun others = ws->Fun;
        others.*Field(field) = TFun().*Field(field);
        QCOMPARE(others, TFun());
    }

    // The report prepares the dialog without showing it and reads it.
    void prepareUnshownGivesTheShownState_data()
    {
        QTest::addColumn<int>("languageIndex");
        QTest::newRow("built-in") << 0;
        QTest::newRow("Chinese") << 1;
    }

    void prepareUnshownGivesTheShownState()
    {
        QFETCH(int, languageIndex);
        auto ws = NewWorkspace();
        if (languageIndex > 0)
            UseChinese(*ws);
        ws->Fun.SquelchLevel = 2;
        ws->Fun.SideKey = 3;
        ws->Fun.TxTimeOut = 0;
        ws->Fun.VoxFunction = 1;
        ws->Fun.VoxGainLevel = 1;
        ws->Fun.VoxInhibitOnReceive = 1;
        ws->Fun.BatterySave = 2; // not 1: unticked
        ws->Fun.FmRadio = 0;

        TfBFunSet unshown(*ws);
        unshown.Prepare();
        QVERIFY(!unshown.isVisible());
        TfBFunSet shown(*ws);
        shown.show();
        const QStringList state = State(&unshown);
        QCOMPARE(state, State(&shown));
        QCOMPARE(state.mid(17, 8), (QStringList{"x", state.at(18), "2", "x", "-", "x", "x", "x"}));
        QCOMPARE(state.last(), QString("enabled"));
        QCOMPARE(ws->Fun.BatterySave, 2);
    }

    void translatesFromTheLanguageFile()
    {
        auto ws = NewWorkspace();
        UseChinese(*ws);
        TfBFunSet dialog(*ws);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("功能设置"));
        QCOMPARE(Shown(&dialog, "Label1"), QString("静噪等级"));
        QCOMPARE(Shown(&dialog, "Label8"), QString("声控灵敏度"));
        QCOMPARE(Child<QWidget>(&dialog, "gbVox")->property("title").toString(), QString("声控(VOX)"));
        QCOMPARE(Shown(&dialog, "cbBattSave"), QString("x"));
        QCOMPARE(Child<QCheckBox>(&dialog, "cbBattSave")->text(), QString("省电模式"));
        QCOMPARE(Items(Child<QComboBox>(&dialog, "cbMonikey")),
                 (QStringList{"关闭", "监听", "高/低功率", "报警"}));
        QCOMPARE(Items(Child<QComboBox>(&dialog, "cxFM")), (QStringList{"禁止", "开启"}));
        QCOMPARE(Items(Child<QComboBox>(&dialog, "cbSQvelch")),
                 (QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
        QCOMPARE(Items(Child<QComboBox>(&dialog, "cbTxTimeout")),
                 (QStringList{"关闭", "30", "60", "90", "120", "150", "180", "210", "240", "270",
                              "300"}));
        QCOMPARE(Shown(&dialog, "cbTxTimeout"), QString("180"));
        QCOMPARE(Shown(&dialog, "cbVoice"), QString("中文"));
        Click(&dialog, "btnOk");
        QCOMPARE(ws->Fun, TFun());
    }

    // Not a check: pictures of the dialog in both languages.
    void pictures()
    {
        if (PictureFolder().isEmpty())
            QSKIP("ORVEL_DIALOG_PICTURES not set");
        QVERIFY(SavePictures([](TWorkspace &ws) { return std::make_unique<TfBFunSet>(ws); }));
    }
};

QTEST_MAIN(TstFunSet)
#include "tst_funset.moc"

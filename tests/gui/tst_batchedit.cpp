// The batch channel edit, driven as a user drives it: start frequencies,
// step, direction, the run of channels, and what a fill leaves in the
// channel table.

#include "Keyboard.h"
#include "DialogPictures.h"
#include "ToneOptionDriver.h"
#include "support/Fixtures.h"
#include "support/ScriptedMsgBox.h"

#include "editing/BBatchEdit.h"
#include "image/ValueFormats.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

using Col = TChannelStore::Column;

namespace {

// The UHF model: model limits 300..650, band 450..470, 16 channels.
struct Dialog {
    std::unique_ptr<TWorkspace> ws = NewWorkspace();
    TChannelStore &store = ws->Channels;
    ScriptedMsgBox box;
    TfBBatchEdit dlg{*ws, box};

    Dialog()
    {
        dlg.SetChannelMaximum(store.RowCount() - 2);
        dlg.show();
        dlg.activateWindow();
        if (!QTest::qWaitForWindowActive(&dlg))
            qWarning("the batch edit did not become active");
        ws->All.Modified = false;
    }
    template <typename T = QWidget> T *Get(const char *name) const
    {
        return dlg.findChild<T *>(QString::fromLatin1(name));
    }
    QComboBox *List(const char *name) const { return Get<QComboBox>(name); }
    QSpinBox *Spin(const char *name) const { return Get<QSpinBox>(name); }
    void Click(const char *name) const { QTest::mouseClick(Get<QAbstractButton>(name), Qt::LeftButton); }
    void Type(const char *name, const QString &text) const { TypeAndEnter(Get(name), text); }
    void Start(const QString &rx, const QString &tx) const
    {
        Type("eReceive", rx);
        Type("eSend", tx);
    }
    void Range(int from, int to) const
    {
        Click("rOne");
        Get<QSpinBox>("seFrom")->setValue(from);
        Get<QSpinBox>("seTo")->setValue(to);
    }
    QString Rx(int channel) const { return store.Text(Col::ColRx, channel + 1); }
    QString Tx(int channel) const { return store.Text(Col::ColTx, channel + 1); }
};

const QStringList kUntouched{"", "", "", "", "", "", "", "", ""};

} // namespace

class TestBatchEdit : public QObject {
    Q_OBJECT

private slots:
    void initialState();
    void steps_data();
    void steps();
    void fillsTonesAndOptions();
    void runOfChannels_data();
    void runOfChannels();
    void refusedRuns_data();
    void refusedRuns();
    void startFieldsCutOntoTheStep_data();
    void startFieldsCutOntoTheStep();
    void typedTonesAreNormalised_data();
    void typedTonesAreNormalised();
    void enterFillsNothing_data();
    void enterFillsNothing();
    void doubleClickPicksATone();
    void itemZeroWritesTheTablesNoneText();
    void lookInBothLanguages();
};

void TestBatchEdit::initialState()
{
    Dialog d;
    QCOMPARE(d.Get<QLineEdit>("eReceive")->text(), QStringLiteral("0.00000"));
    QComboBox *step = d.List("cbJg");
    QCOMPARE(step->currentIndex(), -1);
    QCOMPARE(step->placeholderText(), QStringLiteral("25.0"));
    QCOMPARE(step->count(), 2);
    QVERIFY(d.Get<QRadioButton>("rall")->isChecked());
    QVERIFY(d.Get<QRadioButton>("rasc")->isChecked());
    QVERIFY(!d.Get("pPd")->isEnabled());
    d.Click("rOne");
    QVERIFY(d.Get<QRadioButton>("rasc")->isChecked());
    QVERIFY(d.Get("pPd")->isEnabled());
    d.Click("rall");
    QVERIFY(!d.Get("pPd")->isEnabled());
    QCOMPARE(d.Spin("seTo")->maximum(), 16);
    QCOMPARE(d.List("cbfsgl")->currentText(), QStringLiteral("High"));
    QCOMPARE(d.List("cbsmtj")->currentIndex(), 1);
}

void TestBatchEdit::steps_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("stepItem"); // -1: the initial "25.0"
    QTest::addColumn<bool>("desc");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("last");
    QTest::newRow("6.25 ASC") << "446" << 0 << false << "446.00625" << "446.09375";
    QTest::newRow("initial 25.0") << "446" << -1 << false << "446.02500" << "446.37500";
    QTest::newRow("5.00 DESC") << "446" << 1 << true << "445.99500" << "445.92500";
    // Past the model's upper limit every later channel stays on it.
    QTest::newRow("climbing past the model") << "649.95" << -1 << false << "649.97500" << "650.00000";
    QTest::newRow("falling past the model") << "300.02" << -1 << true << "300.00000" << "300.00000";
    // All channels: a start outside the model is brought inside, no message.
    QTest::newRow("start above the model") << "700" << 0 << true << "649.99375" << "649.90625";
}

void TestBatchEdit::steps()
{
    QFETCH(QString, start);
    QFETCH(int, stepItem);
    QFETCH(bool, desc);
    QFETCH(QString, second);
    QFETCH(QString, last);
    Dialog d;
    d.Start(start, start);
    if (stepItem >= 0)
        d.List("cbJg")->setCurrentIndex(stepItem);
    if (desc)
        d.Click("rdesc");
    d.Click("btnOk");
    QVERIFY(d.box.shown.isEmpty());
    QCOMPARE(d.Rx(2), second);
    QCOMPARE(d.Tx(2), second);
    QCOMPARE(d.Rx(16), last);
    QCOMPARE(d.Tx(16), last);
    QVERIFY(d.dlg.isVisible()); // open for another run
    QVERIFY(d.ws->All.Modified);
}

void TestBatchEdit::fillsTonesAndOptions()
{
    Dialog d;
    d.Start("446", "446.5");
    d.List("cbJg")->setCurrentIndex(0);
    d.Type("cbQT", "67");
    d.List("cbkz")->setCurrentIndex(1);
    d.List("cbfsgl")->setCurrentIndex(0);
    d.Click("chpppy");
    d.Click("btnOk");
    for (int channel = 1; channel <= 16; ++channel) {
        const QStringList texts = RowTexts(d.store, channel + 1);
        QCOMPARE(texts.mid(3), (QStringList{"67.0", "None", "Low", "Narrow", "No", "Yes", "No"}));
        QCOMPARE(RowHiddens(d.store, channel + 1).mid(5), (QStringList{"0", "1", "1", "0", "1"}));
        QCOMPARE(d.store.Hidden(Col::ColNumber, channel + 1), QStringLiteral("1"));
        QVERIFY(!d.store.ReadOnly(Col::ColTx, channel + 1));
    }
    QCOMPARE(d.Rx(1), QStringLiteral("446.00000"));
    QCOMPARE(d.Tx(1), QStringLiteral("446.50000"));
    QCOMPARE(d.Tx(2), QStringLiteral("446.50625"));
    const auto channel = d.store.ReadChannelRow(3);
    QVERIFY(channel);
    QCOMPARE(channel->DecTone, QStringLiteral("67.0"));
    QCOMPARE(channel->EncTone, QString());
}

void TestBatchEdit::runOfChannels_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("3 to 3") << 3 << 3;
    QTest::newRow("5 to 9") << 5 << 9;
    QTest::newRow("up to the last") << 14 << 16;
}

void TestBatchEdit::runOfChannels()
{
    QFETCH(int, from);
    QFETCH(int, to);
    Dialog d;
    TypeChannel(*d.ws, 1, "455", "456");
    const QStringList first = RowTexts(d.store, 2);
    d.Start("460", "465");
    d.List("cbJg")->setCurrentIndex(1);
    d.Range(from, to);
    d.Click("btnOk");
    QVERIFY(d.box.shown.isEmpty());
    for (int channel = 2; channel <= 16; ++channel) {
        const bool inRun = channel >= from && channel <= to;
        QCOMPARE(d.Rx(channel).isEmpty(), !inRun);
        QCOMPARE(d.store.Hidden(Col::ColNumber, channel + 1).isEmpty(), !inRun);
        // The whole TX column is editable after a fill, outside the run too.
        QVERIFY(!d.store.ReadOnly(Col::ColTx, channel + 1));
    }
    QCOMPARE(d.Rx(from), QStringLiteral("460.00000"));
    QCOMPARE(d.Tx(to), FrequencyText(465 + 0.005 * (to - from)));
    QCOMPARE(RowTexts(d.store, 2), first);
}

void TestBatchEdit::refusedRuns_data()
{
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("tx");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message");
    const auto ws = NewWorkspace();
    const TLanguage &m = ws->Language;
    QTest::newRow("From above To") << "460" << "460" << 5 << 3 << m.Confirmation << m.FChBigT;
    QTest::newRow("RX above the model") << "651" << "460" << 1 << 3 << m.Caution << m.ErrRange;
    QTest::newRow("TX below the model") << "460" << "299.99" << 1 << 3 << m.Caution << m.ErrRange;
    QTest::newRow("empty TX, range") << "460" << "" << 1 << 3 << QString() << QString();
    QTest::newRow("empty TX, all") << "460" << "" << 0 << 0 << QString() << QString();
    QTest::newRow("RX not a number") << "4.6.0" << "460" << 0 << 0 << QString() << QString();
}

void TestBatchEdit::refusedRuns()
{
    QFETCH(QString, rx);
    QFETCH(QString, tx);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    Dialog d;
    d.Start(rx, tx);
    if (from > 0)
        d.Range(from, to);
    d.Click("btnOk");
    if (message.isEmpty()) {
        QVERIFY(d.box.shown.isEmpty());
    } else {
        QCOMPARE(d.box.texts(), QStringList{message});
        QCOMPARE(d.box.shown.first().caption, caption);
    }
    for (int channel = 1; channel <= 16; ++channel)
        QCOMPARE(RowTexts(d.store, channel + 1).mid(1), kUntouched);
    QVERIFY(!d.ws->All.Modified);
}

void TestBatchEdit::startFieldsCutOntoTheStep_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("on the grid") << "446.00625" << "446.00625";
    QTest::newRow("cut down") << "446.007" << "446.00500";
    QTest::newRow("outside every limit: no check here") << "700" << "700.00000";
    // Beyond what the step grid can hold the value is only formatted.
    QTest::newRow("beyond the grid") << "1234.5678" << "1234.56780";
    QTest::newRow("not a number stays") << "1.2.3" << "1.2.3";
}

void TestBatchEdit::startFieldsCutOntoTheStep()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Dialog d;
    for (const char *field : {"eReceive", "eSend"}) {
        d.Type(field, typed);
        QCOMPARE(d.Get<QLineEdit>(field)->text(), shown);
    }
    QVERIFY(d.box.shown.isEmpty());
}

void TestBatchEdit::typedTonesAreNormalised_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<QString>("stored");
    QTest::newRow("two points") << "12.3.4" << true << "290.0";
    QTest::newRow("number") << "100" << true << "100.0";
    QTest::newRow("DCS") << "D023N" << true << "D023N";
    QTest::newRow("refused letters") << "Dx023yN" << true << "D023N";
    // Ok pressed while the text is still being typed.
    QTest::newRow("typed, then Ok") << "12.3.4" << false << "290.0";
}

void TestBatchEdit::typedTonesAreNormalised()
{
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    QFETCH(QString, stored);
    Dialog d;
    d.Start("460", "460");
    QComboBox *box = d.List("cbDQT");
    box->setFocus();
    QWidget *line = QApplication::focusWidget(); // where the keyboard's keys go
    QCOMPARE(line, box);
    QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(line, typed);
    if (enter) {
        // Enter takes the typed tone and nothing more: it fills no channel.
        QTest::keyClick(line, Qt::Key_Enter);
        QCOMPARE(box->currentText(), stored);
        QCOMPARE(d.store.Text(Col::ColEnc, 2), QString());
        QCOMPARE(d.store.Text(Col::ColRx, 2), QString());
    }
    d.Click("btnOk");
    QCOMPARE(d.store.Text(Col::ColEnc, 2), stored);
    QCOMPARE(d.store.Text(Col::ColEnc, 17), stored);
}

// Ok overwrites a run of channels, all of them at first: Enter in a field
// never presses it. Ok focused takes Enter as a button does.
void TestBatchEdit::enterFillsNothing_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("From") << "seFrom";
    QTest::newRow("W/N list") << "cbkz";
    QTest::newRow("check box") << "chsmtj";
    QTest::newRow("all channels") << "rall";
}

void TestBatchEdit::enterFillsNothing()
{
    QFETCH(QString, field);
    Dialog d;
    d.Start("460", "460");
    d.Get(qPrintable(field))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(d.store.Text(Col::ColRx, 2), QString());
    QVERIFY(d.dlg.isVisible());

    d.Get("btnOk")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(d.store.Text(Col::ColRx, 2), QStringLiteral("460.00000"));
}

void TestBatchEdit::doubleClickPicksATone()
{
    Dialog d;
    ScopedToneDriver driver([](TfToneOption &picker) { DoubleClickTone(picker, 0, 1, 7); });
    QTest::mouseDClick(d.List("cbQT")->lineEdit(), Qt::LeftButton);
    QCOMPARE(d.List("cbQT")->currentText(), QStringLiteral("127.3"));
    QVERIFY(!d.ws->All.Modified);
}

void TestBatchEdit::itemZeroWritesTheTablesNoneText()
{
    Dialog d;
    // The table's none text as a language file may give it.
    TChannelTexts texts = d.store.Texts();
    texts.None = QStringLiteral("无");
    d.store.SetTexts(texts);
    d.Start("460", "460");
    d.Range(2, 2);
    d.Click("btnOk");
    QCOMPARE(d.store.Text(Col::ColDec, 3), QStringLiteral("无"));
    QCOMPARE(d.store.Text(Col::ColEnc, 3), QStringLiteral("无"));
    const auto channel = d.store.ReadChannelRow(3);
    QVERIFY(channel);
    QCOMPARE(channel->DecTone, QString());
    QCOMPARE(channel->EncTone, QString());
}

// Not a check: pictures of the dialog in both languages.
void TestBatchEdit::lookInBothLanguages()
{
    if (PictureFolder().isEmpty())
        QSKIP("ORVEL_DIALOG_PICTURES not set");
    ScriptedMsgBox box;
    QVERIFY(SavePictures([&box](TWorkspace &ws) { return std::make_unique<TfBBatchEdit>(ws, box); }));
}

QTEST_MAIN(TestBatchEdit)
#include "tst_batchedit.moc"

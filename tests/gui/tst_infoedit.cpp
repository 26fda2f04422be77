// The channel edit dialog, driven as a user drives it: typing into its
// fields, stepping through the channels, ticking the options, and what each
// accepted change leaves in the channel table.

#include "Keyboard.h"
#include "DialogPictures.h"
#include "ToneOptionDriver.h"
#include "support/Fixtures.h"
#include "support/ScriptedMsgBox.h"

#include "editing/BInfoEdit.h"
#include "editing/ChInfo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using Col = TChannelStore::Column;

namespace {

const QString kShare = QStringLiteral(ORVEL_SHARE_DIR "/");

// The UHF model: model limits 300..650, band 450..470, 16 channels.
struct Dialog {
    std::unique_ptr<TWorkspace> ws = NewWorkspace();
    TChannelStore &store = ws->Channels;
    ScriptedMsgBox box;
    std::unique_ptr<TfBInfoEdit> dlg;

    void Open(int channel = 1)
    {
        dlg = std::make_unique<TfBInfoEdit>(*ws, box);
        dlg->SetInitialChannel(channel);
        dlg->SetChannelMaximum(store.RowCount() - 2);
        dlg->show();
        dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
        ws->All.Modified = false;
    }
    template <typename T = QWidget> T *Get(const char *name) const
    {
        return dlg->findChild<T *>(QString::fromLatin1(name));
    }
    QLineEdit *Rx() const { return Get<QLineEdit>("eReceive"); }
    QLineEdit *Tx() const { return Get<QLineEdit>("eSend"); }
    QComboBox *List(const char *name) const { return Get<QComboBox>(name); }
    QSpinBox *Channel() const { return Get<QSpinBox>("sexd"); }
    QLineEdit *ToneLine(const char *name) const { return List(name)->lineEdit(); }
    QStringList Texts(int row) const { return RowTexts(store, row); }
    QStringList Hiddens(int row) const { return RowHiddens(store, row); }
};

void StepTo(QSpinBox *spin, int channel)
{
    TypeAndEnter(spin, QString::number(channel));
}

} // namespace

class TestInfoEdit : public QObject {
    Q_OBJECT

private slots:
    void openedOnAnEmptyRow();
    void rxIntoAnEmptyChannel_data();
    void rxIntoAnEmptyChannel();
    void rangeChecks_data();
    void rangeChecks();
    void clearingRxEmptiesTheRow();
    void clearingTxDropsTheEncodeTone();
    void typedTones_data();
    void typedTones();
    void untouchedTonesStayAsTheyWere();
    void optionChecks_data();
    void optionChecks();
    void steppingAwayAndBack();
    void tabThroughANewChannel();
    void tabAfterARangeMessage();
    void typedChannelNumberIsLimited_data();
    void typedChannelNumberIsLimited();
    void doubleClickPicksATone();
    void noneTextOfTheTableInChinese();
    void lookInBothLanguages();
};

void TestInfoEdit::openedOnAnEmptyRow()
{
    Dialog d;
    TypeChannel(*d.ws, 1, "460.00000");
    d.Open(3);
    QCOMPARE(d.Channel()->value(), 3);
    QCOMPARE(d.Rx()->text(), QString());
    QVERIFY(!d.Get("pMain")->isEnabled());
    QVERIFY(d.Rx()->isEnabled());
    QCOMPARE(d.List("cbQT")->currentIndex(), 0);
    QCOMPARE(d.store.Text(Col::ColRx, 2), QStringLiteral("460.00000")); // nothing written
    QVERIFY(!d.ws->All.Modified);
}

// A fresh dialog shows High; one that showed a Low channel keeps Low for the
// channel created next.
void TestInfoEdit::rxIntoAnEmptyChannel_data()
{
    QTest::addColumn<bool>("visitLowChannel");
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("powerIndex");
    QTest::newRow("fresh dialog") << false << "High" << "1";
    QTest::newRow("after a Low channel") << true << "Low" << "0";
}

void TestInfoEdit::rxIntoAnEmptyChannel()
{
    QFETCH(bool, visitLowChannel);
    QFETCH(QString, power);
    QFETCH(QString, powerIndex);
    Dialog d;
    TypeChannel(*d.ws, 1, "460.00000");
    d.store.SetText(Col::ColPower, 2, "Low");
    d.store.SetHidden(Col::ColPower, 2, "0");
    d.Open(visitLowChannel ? 1 : 5);
    if (visitLowChannel)
        StepTo(d.Channel(), 5);
    QCOMPARE(d.Channel()->value(), 5);

    TypeAndEnter(d.Rx(), "460.0125");
    QCOMPARE(d.Texts(6), (QStringList{"5", "460.01250", "460.01250", "None", "None", power, "Wide",
                                      "No", "No", "No"}));
    QCOMPARE(d.store.Hidden(Col::ColNumber, 6), QStringLiteral("1"));
    QCOMPARE(d.Hiddens(6).mid(5), (QStringList{powerIndex, "0", "1", "1", "1"}));
    QVERIFY(!d.store.ReadOnly(Col::ColTx, 6));
    QVERIFY(d.Get("pMain")->isEnabled());
    QCOMPARE(d.Tx()->text(), QStringLiteral("460.01250"));
    QVERIFY(d.ws->All.Modified);
    QVERIFY(d.box.shown.isEmpty());

    // With its marker the row keeps these settings when the table commits a new RX.
    d.store.SetForeText(Col::ColRx, 6, "461");
    QCOMPARE(d.store.Text(Col::ColPower, 6), power);
}

void TestInfoEdit::rangeChecks_data()
{
    QTest::addColumn<bool>("onTx");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("messages"); // message keys
    const QString err = QStringLiteral("ErrRange");
    const QString out = QStringLiteral("OutRange");
    for (const bool tx : {false, true}) {
        const char *f = tx ? "TX" : "RX";
        QTest::addRow("%s inside, cut onto the step", f) << tx << "460.0031" << "460.00000" << QStringList();
        QTest::addRow("%s 6.25 kHz grid", f) << tx << "462.5625" << "462.56250" << QStringList();
        QTest::addRow("%s above the model", f) << tx << "700" << "470.00000" << QStringList{err};
        QTest::addRow("%s below the model", f) << tx << "100" << "450.00000" << QStringList{err};
        QTest::addRow("%s outside the band only", f) << tx << "400.0075" << "400.00625" << QStringList{out};
        QTest::addRow("%s limit counts as inside", f) << tx << "650" << "650.00000" << QStringList{out};
        // Not a number: the table keeps what it had, the field shows it again.
        QTest::addRow("%s not a number", f) << tx << "1.2.3" << "455.00000" << QStringList{err};
    }
}

void TestInfoEdit::rangeChecks()
{
    QFETCH(bool, onTx);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QStringList, messages);
    Dialog d;
    TypeChannel(*d.ws, 2, "455");
    d.Open(2);
    QLineEdit *field = onTx ? d.Tx() : d.Rx();
    TypeAndEnter(field, typed);
    for (QString &m : messages)
        m = m == "ErrRange" ? d.ws->Language.ErrRange : d.ws->Language.OutRange;
    QCOMPARE(d.box.texts(), messages);
    for (const auto &shown : d.box.shown)
        QCOMPARE(shown.caption, d.ws->Language.Caution);
    QCOMPARE(d.store.Text(onTx ? Col::ColTx : Col::ColRx, 3), stored);
    QCOMPARE(field->text(), stored);
    // The other frequency is left alone.
    QCOMPARE(d.store.Text(onTx ? Col::ColRx : Col::ColTx, 3), QStringLiteral("455.00000"));
}

void TestInfoEdit::clearingRxEmptiesTheRow()
{
    Dialog d;
    TypeChannel(*d.ws, 4, "460", "465");
    d.store.SetText(Col::ColPower, 5, "Low");
    d.store.SetHidden(Col::ColPower, 5, "0");
    d.Open(4);
    QCOMPARE(d.List("cbfsgl")->currentText(), QStringLiteral("Low"));
    TypeAndEnter(d.Rx(), QString());
    QCOMPARE(d.Texts(5), (QStringList{"4", "", "", "", "", "", "", "", "", ""}));
    QCOMPARE(d.Hiddens(5), QStringList(10));
    QVERIFY(d.store.ReadOnly(Col::ColTx, 5));
    QVERIFY(!d.Get("pMain")->isEnabled());
    QCOMPARE(d.Tx()->text(), QString());
    QCOMPARE(d.List("cbfsgl")->currentText(), QStringLiteral("Low"));
    QVERIFY(d.ws->All.Modified);
    QVERIFY(!d.store.ReadChannelRow(5));
}

void TestInfoEdit::clearingTxDropsTheEncodeTone()
{
    Dialog d;
    TypeChannel(*d.ws, 1, "460");
    d.store.SetText(Col::ColDec, 2, "67.0");
    d.store.SetText(Col::ColEnc, 2, "D023N");
    d.Open(1);
    QCOMPARE(d.List("cbDQT")->currentText(), QStringLiteral("D023N"));
    TypeAndEnter(d.Tx(), QString());
    QCOMPARE(d.store.Text(Col::ColTx, 2), QString());
    QCOMPARE(d.store.Text(Col::ColEnc, 2), QStringLiteral("None"));
    QCOMPARE(d.store.Text(Col::ColDec, 2), QStringLiteral("67.0"));
    QCOMPARE(d.List("cbDQT")->currentIndex(), 0);
    const auto channel = d.store.ReadChannelRow(2);
    QVERIFY(channel);
    QCOMPARE(channel->Tx, -1.0);
    QCOMPARE(channel->EncTone, QString());
}

void TestInfoEdit::typedTones_data()
{
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("commit"); // enter, leave or close
    QTest::addColumn<QString>("stored");
    for (const char *sel : {"cbQT", "cbDQT"}) {
        QTest::addRow("%s number", sel) << sel << "67" << "enter" << "67.0";
        QTest::addRow("%s below 30", sel) << sel << "25" << "enter" << "30.0";
        QTest::addRow("%s two points", sel) << sel << "12.3.4" << "enter" << "290.0";
        QTest::addRow("%s refused keys", sel) << sel << "6x 7" << "enter" << "67.0";
        QTest::addRow("%s lower-case polarity", sel) << sel << "D023i" << "enter" << "D023i";
        QTest::addRow("%s lower-case d", sel) << sel << "d023n" << "enter" << "D777N";
        QTest::addRow("%s cleared", sel) << sel << "" << "enter" << "None";
        QTest::addRow("%s on leaving", sel) << sel << "100" << "leave" << "100.0";
        QTest::addRow("%s on closing", sel) << sel << "D754N" << "close" << "D754N";
    }
}

void TestInfoEdit::typedTones()
{
    QFETCH(QString, selector);
    QFETCH(QString, typed);
    QFETCH(QString, commit);
    QFETCH(QString, stored);
    Dialog d;
    TypeChannel(*d.ws, 1, "460");
    d.store.SetText(Col::ColDec, 2, "77.0");
    d.store.SetText(Col::ColEnc, 2, "77.0");
    d.Open(1);
    QComboBox *box = d.List(qPrintable(selector));
    box->setFocus();
    QWidget *line = QApplication::focusWidget(); // where the keyboard's keys go
    QCOMPARE(line, box);
    QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(line, Qt::Key_Backspace);
    QTest::keyClicks(line, typed);
    if (commit == "enter")
        QTest::keyClick(line, Qt::Key_Enter);
    else if (commit == "leave")
        d.Get("chfm")->setFocus(Qt::TabFocusReason);
    else
        QTest::mouseClick(d.Get<QPushButton>("btnClose"), Qt::LeftButton);
    const int col = selector == "cbQT" ? Col::ColDec : Col::ColEnc;
    QCOMPARE(d.store.Text(col, 2), stored);
    QCOMPARE(box->currentText(), stored);
    QCOMPARE(d.store.Text(col == Col::ColDec ? Col::ColEnc : Col::ColDec, 2), QStringLiteral("77.0"));
    QVERIFY(d.ws->All.Modified);
}

// Tones a radio or a data file brought that the tone rules would rewrite
// (below 30 Hz, a DCS code of no octal form) stay as they are when another
// field of the channel is changed: only a tone the user typed is normalised.
void TestInfoEdit::untouchedTonesStayAsTheyWere()
{
    Dialog d;
    TypeChannel(*d.ws, 1, "460");
    d.store.SetText(Col::ColDec, 2, "25.0");
    d.store.SetText(Col::ColEnc, 2, "D891N");
    d.Open(1);
    QTest::mouseClick(d.Get<QCheckBox>("chsmtj"), Qt::LeftButton);
    QCOMPARE(d.store.Text(Col::ColScanAdd, 2), QStringLiteral("Yes"));
    QCOMPARE(d.store.Text(Col::ColDec, 2), QStringLiteral("25.0"));
    QCOMPARE(d.store.Text(Col::ColEnc, 2), QStringLiteral("D891N"));
}

void TestInfoEdit::optionChecks_data()
{
    QTest::addColumn<QString>("check");
    QTest::addColumn<int>("col");
    QTest::newRow("Scan Add") << "chsmtj" << int(Col::ColScanAdd);
    QTest::newRow("Beat Shift") << "chpppy" << int(Col::ColBeatShift);
    QTest::newRow("Busy Lockout") << "chfm" << int(Col::ColBusyLockout);
}

void TestInfoEdit::optionChecks()
{
    QFETCH(QString, check);
    QFETCH(int, col);
    Dialog d;
    TypeChannel(*d.ws, 1, "460");
    d.Open(1);
    auto *box = d.Get<QCheckBox>(qPrintable(check));
    QVERIFY(!box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(d.store.Text(col, 2), QStringLiteral("Yes"));
    QCOMPARE(d.store.Hidden(col, 2), QStringLiteral("0"));
    QVERIFY(d.ws->All.Modified);
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(d.store.Text(col, 2), QStringLiteral("No"));
    QCOMPARE(d.store.Hidden(col, 2), QStringLiteral("1"));
    QCOMPARE(d.Hiddens(2).mid(5), (QStringList{"1", "0", "1", "1", "1"}));
}

void TestInfoEdit::steppingAwayAndBack()
{
    Dialog d;
    TypeChannel(*d.ws, 1, "460");
    d.Open(1);
    TypeAndEnter(d.Tx(), "465.5");
    d.List("cbkz")->setCurrentIndex(1);
    QTest::mouseClick(d.Get<QCheckBox>("chpppy"), Qt::LeftButton);
    TypeAndEnter(d.List("cbQT")->lineEdit(), "D754I");
    const QStringList written{"1", "460.00000", "465.50000", "D754I", "None", "High", "Narrow",
                              "No", "Yes", "No"};
    QCOMPARE(d.Texts(2), written);

    StepTo(d.Channel(), 2);
    QCOMPARE(d.Rx()->text(), QString());
    QVERIFY(!d.Get("pMain")->isEnabled());
    QCOMPARE(d.List("cbkz")->currentIndex(), 0);
    QVERIFY(!d.Get<QCheckBox>("chpppy")->isChecked());
    QCOMPARE(d.Texts(3), (QStringList{"2", "", "", "", "", "", "", "", "", ""}));

    StepTo(d.Channel(), 1);
    QCOMPARE(d.Rx()->text(), QStringLiteral("460.00000"));
    QCOMPARE(d.Tx()->text(), QStringLiteral("465.50000"));
    QCOMPARE(d.List("cbQT")->currentText(), QStringLiteral("D754I"));
    QCOMPARE(d.List("cbDQT")->currentIndex(), 0);
    QCOMPARE(d.List("cbkz")->currentText(), QStringLiteral("Narrow"));
    QVERIFY(d.Get<QCheckBox>("chpppy")->isChecked());
    QCOMPARE(d.List("cbpppy")->currentIndex(), 0);
    QVERIFY(!d.Get<QCheckBox>("chsmtj")->isChecked());
    QCOMPARE(d.Texts(2), written); // loading wrote nothing

    QTest::mouseClick(d.Get<QPushButton>("btnClose"), Qt::LeftButton);
    QVERIFY(!d.dlg->isVisible());
    QCOMPARE(d.Texts(2), written);
}

// Typing a new channel with Tab between the fields, as a user does: the
// RX commit enables the fields before Tab moves on, so Tab lands in TX and
// then in the decode tone, never on Close or back on the channel number.
void TestInfoEdit::tabThroughANewChannel()
{
    Dialog d;
    d.Open(3);
    d.Rx()->setFocus();
    QTest::keyClicks(d.Rx(), "461.0125");
    QTest::keyClick(d.Rx(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), d.Tx());
    QTest::keyClick(d.Tx(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(d.Tx(), "466.0125");
    QTest::keyClick(d.Tx(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), d.List("cbQT")); // the selector takes the keys for its text
    QTest::keyClicks(d.List("cbQT"), "127.3");
    QTest::keyClick(d.List("cbQT"), Qt::Key_Tab);
    QCOMPARE(d.Channel()->value(), 3);
    QCOMPARE(d.Texts(4).mid(1, 4), (QStringList{"461.01250", "466.01250", "127.3", "None"}));
    QVERIFY(d.box.shown.isEmpty());
}

// A range message takes the window's focus while it is up (here another
// window stands in for it): the Tab that committed still lands in the next
// field, and typing there replaces its text.
void TestInfoEdit::tabAfterARangeMessage()
{
    Dialog d;
    d.Open(3);
    QWidget message;
    d.box.whileShown = [&](const ScriptedMsgBox::Shown &) {
        message.show();
        message.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&message));
        message.hide();
        d.dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.dlg.get()));
    };
    d.Rx()->setFocus();
    QTest::keyClicks(d.Rx(), "445"); // outside the band 450 - 470: OutRange
    QTest::keyClick(d.Rx(), Qt::Key_Tab);
    QCOMPARE(d.box.texts(), QStringList{d.ws->Language.OutRange});
    QCOMPARE(QApplication::focusWidget(), d.Tx());
    QTest::keyClicks(d.Tx(), "446");
    QTest::keyClick(d.Tx(), Qt::Key_Tab);
    QCOMPARE(d.Texts(4).mid(1, 2), (QStringList{"445.00000", "446.00000"}));
    QCOMPARE(QApplication::focusWidget(), d.List("cbQT"));
    QTest::keyClicks(d.List("cbQT"), "88.5");
    QTest::keyClick(d.List("cbQT"), Qt::Key_Tab);
    QCOMPARE(d.Texts(4).at(3), QStringLiteral("88.5"));
}

void TestInfoEdit::typedChannelNumberIsLimited_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("channel");
    QTest::newRow("inside") << "7" << 7;
    QTest::newRow("zero") << "0" << 1;
    QTest::newRow("above the count") << "99" << 16;
}

void TestInfoEdit::typedChannelNumberIsLimited()
{
    QFETCH(QString, typed);
    QFETCH(int, channel);
    Dialog d;
    TypeChannel(*d.ws, channel, "461");
    d.Open(2);
    QSpinBox *spin = d.Channel();
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, typed);
    QTest::keyClick(spin, Qt::Key_Enter);
    QCOMPARE(spin->value(), channel);
    QCOMPARE(d.Rx()->text(), QStringLiteral("461.00000"));
    QVERIFY(d.dlg->isVisible());
    QVERIFY(d.box.shown.isEmpty());
}

void TestInfoEdit::doubleClickPicksATone()
{
    Dialog d;
    TypeChannel(*d.ws, 1, "460");
    d.Open(1);
    QLineEdit *dqt = d.ToneLine("cbDQT");
    {
        ScopedToneDriver driver([](TfToneOption &picker) { picker.reject(); });
        QTest::mouseDClick(dqt, Qt::LeftButton);
        QCOMPARE(d.store.Text(Col::ColEnc, 2), QStringLiteral("None"));
        QVERIFY(!d.ws->All.Modified);
    }
    ScopedToneDriver driver([](TfToneOption &picker) { DoubleClickTone(picker, 0, 1, 7); });
    QTest::mouseDClick(dqt, Qt::LeftButton);
    QCOMPARE(d.store.Text(Col::ColEnc, 2), QStringLiteral("127.3"));
    QCOMPARE(d.List("cbDQT")->currentText(), QStringLiteral("127.3"));
    QVERIFY(d.ws->All.Modified);
}

// In Chinese the dialog's item 0 and the table's none text are both "无";
// whatever the dialog's list says, the table's none text is written, and a
// cell showing it loads as item 0.
void TestInfoEdit::noneTextOfTheTableInChinese()
{
    Dialog d;
    d.ws->All.AppFolder = kShare;
    d.ws->All.LanguageName = QStringLiteral("Chinese");
    d.ws->All.LanguageIndex = 1;
    ScriptedMsgBox tableBox;
    TfChInfo table(*d.ws, tableBox);
    table.show(); // takes the none text and option lists of the language
    const QString none = d.store.Texts().None;
    QCOMPARE(none, QStringLiteral("无"));
    TypeChannel(*d.ws, 1, "460");
    d.store.SetText(Col::ColDec, 2, "67.0");
    d.Open(2);
    QCOMPARE(d.dlg->windowTitle(), QStringLiteral("信道编辑"));
    QCOMPARE(d.List("cbQT")->itemText(0), none);

    TypeAndEnter(d.Rx(), "462");
    QCOMPARE(d.Texts(3).mid(3), (QStringList{none, none, "高", "宽带", "否", "否", "否"}));
    auto channel = d.store.ReadChannelRow(3);
    QVERIFY(channel);
    QCOMPARE(channel->DecTone, QString());
    QCOMPARE(channel->EncTone, QString());

    // A listed tone chosen, then item 0 again.
    StepTo(d.Channel(), 1);
    QCOMPARE(d.List("cbQT")->currentText(), QStringLiteral("67.0"));
    QCOMPARE(d.List("cbDQT")->currentIndex(), 0);
    TypeAndEnter(d.ToneLine("cbQT"), QString());
    QCOMPARE(d.store.Text(Col::ColDec, 2), none);
    channel = d.store.ReadChannelRow(2);
    QVERIFY(channel);
    QCOMPARE(channel->DecTone, QString());

    // The table in one language, the dialog's list in another: still the table's text.
    d.dlg->close();
    TChannelTexts texts = d.store.Texts();
    texts.None = QStringLiteral("-");
    d.store.SetTexts(texts);
    d.ws->All.LanguageIndex = 0;
    d.Open(3);
    QCOMPARE(d.List("cbQT")->itemText(0), QStringLiteral("None"));
    QCOMPARE(d.List("cbQT")->currentIndex(), 0);
    QTest::mouseClick(d.Get<QCheckBox>("chfm"), Qt::LeftButton);
    QCOMPARE(d.store.Text(Col::ColDec, 3), QStringLiteral("-"));
    QCOMPARE(d.store.ReadChannelRow(3)->DecTone, QString());
}

// Not a check: pictures of the dialog in both languages.
void TestInfoEdit::lookInBothLanguages()
{
    if (PictureFolder().isEmpty())
        QSKIP("ORVEL_DIALOG_PICTURES not set");
    ScriptedMsgBox box;
    QVERIFY(SavePictures([&box](TWorkspace &ws) { return std::make_unique<TfBInfoEdit>(ws, box); }));
}

QTEST_MAIN(TestInfoEdit)
#include "tst_infoedit.moc"

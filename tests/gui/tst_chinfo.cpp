// The channel table window: typing frequencies into the grid, the selectors
// over the current cell, the key filters, the tone picker and the language
// refresh, driven as a user drives them.

#include "ToneOptionDriver.h"
#include "support/Fixtures.h"
#include "support/ScriptedMsgBox.h"

#include "editing/ChInfo.h"
#include "editing/ChannelGrid.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

using Col = TChannelStore::Column;

namespace {

// A channel that differs from the new-channel defaults in every option.
TChannelValues Sample()
{
    TChannelValues c;
    c.Rx = 462.5625;
    c.Tx = 467.5625;
    c.DecTone = QString();
    c.EncTone = QStringLiteral("D023N");
    c.TxPower = 0;
    c.WideNarrow = 1;
    c.ScanAdd = 0;
    c.BeatShift = 0;
    c.BusyLockout = 0;
    return c;
}

struct Window {
    std::unique_ptr<TWorkspace> ws = NewWorkspace(); // UHF: model 300..650, band 450..470
    ScriptedMsgBox box;
    TfChInfo win{*ws, box};
    TChannelGrid *grid = win.ChannelGrid();
    TChannelStore &store = ws->Channels;

    Window() { Show(); }
    explicit Window(const QString &languageFolder, int languageIndex)
    {
        ws->All.AppFolder = languageFolder;
        ws->All.LanguageName = QStringLiteral("Test");
        ws->All.LanguageIndex = languageIndex;
        Show();
    }
    void Show()
    {
        win.show();
        QApplicationPrivateActivate();
        ws->All.Modified = false;
    }
    void QApplicationPrivateActivate()
    {
        win.activateWindow();
        if (!QTest::qWaitForWindowActive(&win))
            qWarning("the channel table window did not become active");
    }

    QStringList Texts(int row) const { return RowTexts(store, row); }
    QStringList Hiddens(int row) const { return RowHiddens(store, row); }
    QLineEdit *Editor() const { return qobject_cast<QLineEdit *>(grid->Editor()); }
    // Lands on a cell with the keyboard, as the arrow keys do.
    void Land(int col, int row)
    {
        grid->setFocus();
        grid->SetCurrentCell(col, row);
    }
    void Click(int col, int row)
    {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(col, row).center());
    }
    // Opens the in-place editor, types keys over the whole text and presses
    // Enter (an empty keys text clears the cell with Backspace).
    void Type(int col, int row, const QString &keys)
    {
        Land(col, row);
        grid->OpenEditor();
        QLineEdit *editor = Editor();
        QVERIFY(editor);
        if (keys.isEmpty())
            QTest::keyClick(editor, Qt::Key_Backspace);
        else
            QTest::keyClicks(editor, keys);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!grid->Editor());
    }
};

const QStringList kEmptyRowHiddens{"", "", "", "", "", "", "", "", "", ""};

} // namespace

class TestChInfo : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void columnsFromBColText();
    void rxCommit_data();
    void rxCommit();
    void messageTakingTheFocusShowsOnce();
    void newChannelDefaults();
    void changingRxKeepsTheRest();
    void clearing();
    void gridKeyFilter();
    void selectorsOpenWhereAllowed_data();
    void selectorsOpenWhereAllowed();
    void clicksOpenEditorOrSelector_data();
    void clicksOpenEditorOrSelector();
    void optionChoiceReachesTheStore();
    void escapePutsTheCellBack();
    void openingChangesNothing();
    void toneTyping_data();
    void toneTyping();
    void toneListPick();
    void doubleClickOpensTonePicker();
    void doubleClickOnTheCell();
    void closingEditingCommits();
    void keyboardWalk();
    void resetRows();
    void languageRefresh();
    void firstShowTranslatesUnlessFirstLanguage();
};

void TestChInfo::cleanup()
{
    TfToneOption::SetDriver({});
}

void TestChInfo::columnsFromBColText()
{
    Window w;
    const QStringList definitions = BuiltInColumnDefinitions();
    QCOMPARE(w.store.RowCount(), 18);
    for (int col = 1; col <= 10; ++col) {
        QCOMPARE(w.grid->GridColumnWidth(col), definitions.at(9 + col).toInt());
        QCOMPARE(w.store.headerData(col - 1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 definitions.at(col - 1));
    }
    QCOMPARE(w.win.sizeHint(), QSize(810, 480));
    QCOMPARE(w.win.windowTitle(), QStringLiteral("Channel Information"));
    QCOMPARE(w.win.NoneText(), QStringLiteral("None"));
    QCOMPARE(w.store.Text(Col::ColNumber, 17), QStringLiteral("16"));
    QCOMPARE(w.store.data(w.store.index(0, Col::ColRx - 1), Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignRight | Qt::AlignVCenter));
}

void TestChInfo::rxCommit_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("message"); // message key, empty for none

    QTest::newRow("inside the band") << "462.5625" << "462.56250" << "";
    QTest::newRow("band limit counts as inside") << "470" << "470.00000" << "";
    QTest::newRow("cut down to the 6.25 kHz step") << "460.0031" << "460.00000" << "";
    QTest::newRow("on the 6.25 kHz step") << "460.00625" << "460.00625" << "";
    QTest::newRow("whole kHz: 5 kHz step") << "460.007" << "460.00500" << "";
    QTest::newRow("outside the band: kept, warned") << "440" << "440.00000" << "OutRange";
    QTest::newRow("model limit counts as inside") << "650" << "650.00000" << "OutRange";
    QTest::newRow("above the model: band upper") << "700" << "470.00000" << "ErrRange";
    QTest::newRow("below the model: band lower") << "100" << "450.00000" << "ErrRange";
    QTest::newRow("not a number: band upper") << "1.2.3" << "470.00000" << "OutRange";
}

void TestChInfo::rxCommit()
{
    QFETCH(QString, keys);
    QFETCH(QString, rx);
    QFETCH(QString, message);

    Window w;
    w.Type(Col::ColRx, 5, keys);
    QCOMPARE(w.store.Text(Col::ColRx, 5), rx);
    QCOMPARE(w.store.Text(Col::ColTx, 5), rx); // the row was empty: TX follows
    QCOMPARE(w.store.Hidden(Col::ColNumber, 5), QStringLiteral("1"));
    if (message.isEmpty()) {
        QVERIFY(w.box.shown.isEmpty());
    } else {
        const TLanguage &texts = w.ws->Language;
        QCOMPARE(w.box.shown.size(), 1);
        QCOMPARE(w.box.shown[0].text, message == u"OutRange" ? texts.OutRange : texts.ErrRange);
        QCOMPARE(w.box.shown[0].caption, texts.Caution);
        QCOMPARE(w.box.shown[0].kind, int(MsgInformation));
    }
    QVERIFY(w.ws->All.Modified);
}

namespace {

// A message box that, like a real one, takes the focus from the editor while
// it is shown.
class FocusTakingBox : public ScriptedMsgBox {
public:
    int MsgBox(const QString &caption, const QString &text, int kind) override
    {
        QWidget box;
        box.show();
        box.activateWindow();
        if (!QTest::qWaitForWindowActive(&box))
            qWarning("the box did not take the focus");
        return ScriptedMsgBox::MsgBox(caption, text, kind);
    }
};

} // namespace

void TestChInfo::messageTakingTheFocusShowsOnce()
{
    Window w;
    FocusTakingBox box;
    w.store.SetMessageBox(&box, &w.ws->Language);
    w.Type(Col::ColRx, 2, QStringLiteral("700"));
    QCOMPARE(box.texts(), QStringList{w.ws->Language.ErrRange});
    QCOMPARE(w.store.Text(Col::ColRx, 2), QStringLiteral("470.00000"));
    QCOMPARE(w.store.Text(Col::ColTx, 2), QStringLiteral("470.00000"));

    w.Land(Col::ColTx, 2);
    w.grid->OpenEditor();
    QTest::keyClicks(w.Editor(), QStringLiteral("440"));
    w.win.HideSelectors(); // as every command does first
    QCOMPARE(box.texts().size(), 2);
    QCOMPARE(w.store.Text(Col::ColTx, 2), QStringLiteral("440.00000"));
    QVERIFY(!w.grid->Editor());
}

void TestChInfo::newChannelDefaults()
{
    Window w;
    QVERIFY(!(w.store.flags(w.store.index(1, Col::ColTx - 1)) & Qt::ItemIsEditable));
    w.Type(Col::ColRx, 3, QStringLiteral("460"));
    QCOMPARE(w.Texts(3), (QStringList{"2", "460.00000", "460.00000", "None", "None", "High", "Wide",
                                      "No", "No", "No"}));
    QCOMPARE(w.Hiddens(3), (QStringList{"1", "", "", "0", "0", "1", "0", "1", "1", "1"}));
    QVERIFY(w.store.flags(w.store.index(1, Col::ColTx - 1)) & Qt::ItemIsEditable);
    QCOMPARE(w.grid->model()->data(w.store.index(1, Col::ColPower - 1)).toString(),
             QStringLiteral("High"));
}

void TestChInfo::changingRxKeepsTheRest()
{
    Window w;
    w.store.FillChannelRow(4, Sample());
    const QStringList before = w.Texts(4);
    const QStringList hiddens = w.Hiddens(4);
    w.Type(Col::ColRx, 4, QStringLiteral("461"));
    QStringList after = before;
    after[Col::ColRx - 1] = QStringLiteral("461.00000");
    QCOMPARE(w.Texts(4), after);
    QCOMPARE(w.Hiddens(4), hiddens);
}

void TestChInfo::clearing()
{
    Window w;
    w.store.FillChannelRow(2, Sample());
    w.store.FillChannelRow(3, Sample());

    w.Type(Col::ColTx, 3, QString());
    QCOMPARE(w.store.Text(Col::ColTx, 3), QString());
    QCOMPARE(w.store.Text(Col::ColRx, 3), QStringLiteral("462.56250"));
    QCOMPARE(w.store.Text(Col::ColEnc, 3), QStringLiteral("D023N"));
    QCOMPARE(w.store.Hidden(Col::ColNumber, 3), QStringLiteral("1"));

    w.Type(Col::ColRx, 2, QString());
    QCOMPARE(w.Texts(2), (QStringList{"1", "", "", "", "", "", "", "", "", ""}));
    QCOMPARE(w.Hiddens(2), kEmptyRowHiddens);
    QVERIFY(w.store.ReadOnly(Col::ColTx, 2));
    // ... and the TX editor no longer opens there.
    w.Click(Col::ColTx, 2);
    QVERIFY(!w.grid->Editor());
}

void TestChInfo::gridKeyFilter()
{
    Window w;
    w.Land(Col::ColRx, 2);
    QTest::keyClicks(w.grid, QStringLiteral("ab -"));
    QVERIFY(!w.grid->Editor()); // refused keys open no editor
    QTest::keyClick(w.grid, Qt::Key_4);
    QLineEdit *editor = w.Editor();
    QVERIFY(editor);
    QTest::keyClicks(editor, QStringLiteral("6a0,.x5 e"));
    QCOMPARE(editor->text(), QStringLiteral("460.5"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(w.store.Text(Col::ColRx, 2), QStringLiteral("460.50000"));
}

void TestChInfo::selectorsOpenWhereAllowed_data()
{
    QTest::addColumn<QString>("row"); // what the row holds
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("selector");

    QTest::newRow("channel: number") << "channel" << 1 << "";
    QTest::newRow("channel: RX") << "channel" << 2 << "";
    QTest::newRow("channel: TX") << "channel" << 3 << "";
    QTest::newRow("channel: Dec") << "channel" << 4 << "cbQT";
    QTest::newRow("channel: Enc") << "channel" << 5 << "cbDQT";
    QTest::newRow("channel: power") << "channel" << 6 << "cbfsgl";
    QTest::newRow("channel: W/N") << "channel" << 7 << "cbkz";
    QTest::newRow("channel: scan add") << "channel" << 8 << "cbHave";
    QTest::newRow("channel: beat shift") << "channel" << 9 << "cbHave";
    QTest::newRow("channel: busy lockout") << "channel" << 10 << "cbHave";
    QTest::newRow("no TX: Dec") << "no TX" << 4 << "cbQT";
    QTest::newRow("no TX: Enc") << "no TX" << 5 << "";
    QTest::newRow("no TX: power") << "no TX" << 6 << "cbfsgl";
    QTest::newRow("empty: Dec") << "empty" << 4 << "";
    QTest::newRow("empty: power") << "empty" << 6 << "";
    QTest::newRow("empty: busy lockout") << "empty" << 10 << "";
}

void TestChInfo::selectorsOpenWhereAllowed()
{
    QFETCH(QString, row);
    QFETCH(int, col);
    QFETCH(QString, selector);

    Window w;
    TChannelValues channel = Sample();
    if (row == u"no TX")
        channel.Tx = -1;
    if (row != u"empty")
        w.store.FillChannelRow(6, channel);

    w.Land(col, 6);
    QComboBox *shown = w.win.ShownSelector();
    QCOMPARE(shown ? shown->objectName() : QString(), selector);
    if (!shown)
        return;
    QVERIFY(shown->isVisible());
    QCOMPARE(QApplication::focusWidget(), shown);
    QCOMPARE(shown->geometry().topLeft(), w.grid->CellRect(col, 6).topLeft());
    QCOMPARE(shown->width(), w.grid->GridColumnWidth(col));
    QCOMPARE(shown->currentText(), w.store.Text(col, 6));
    QVERIFY(!w.ws->All.Modified); // showing a value changes nothing
}

void TestChInfo::clicksOpenEditorOrSelector_data()
{
    QTest::addColumn<bool>("channel");
    QTest::addColumn<int>("col");
    QTest::addColumn<bool>("editor");
    QTest::addColumn<QString>("selector");

    QTest::newRow("RX of an empty row") << false << 2 << true << "";
    QTest::newRow("TX of an empty row") << false << 3 << false << "";
    QTest::newRow("TX of a channel") << true << 3 << true << "";
    QTest::newRow("channel number") << true << 1 << false << "";
    QTest::newRow("W/N of a channel") << true << 7 << false << "cbkz";
    QTest::newRow("W/N of an empty row") << false << 7 << false << "";
}

void TestChInfo::clicksOpenEditorOrSelector()
{
    QFETCH(bool, channel);
    QFETCH(int, col);
    QFETCH(bool, editor);
    QFETCH(QString, selector);

    Window w;
    if (channel)
        w.store.FillChannelRow(8, Sample());
    w.Click(col, 8);
    QCOMPARE(bool(w.Editor()), editor);
    if (editor)
        QCOMPARE(w.Editor()->selectedText(), w.store.Text(col, 8));
    QComboBox *shown = w.win.ShownSelector();
    QCOMPARE(shown ? shown->objectName() : QString(), selector);
}

void TestChInfo::optionChoiceReachesTheStore()
{
    Window w;
    w.store.FillChannelRow(2, Sample());

    w.Land(Col::ColPower, 2);
    QComboBox *power = w.win.ShownSelector();
    QCOMPARE(power->currentIndex(), 0);
    QTest::keyClick(power, Qt::Key_H); // keyboard search picks "High"
    QCOMPARE(w.store.Hidden(Col::ColPower, 2), QStringLiteral("1"));
    QCOMPARE(w.store.Text(Col::ColPower, 2), QStringLiteral("High"));
    QVERIFY(w.ws->All.Modified);

    QTest::keyClick(power, Qt::Key_Return);
    QVERIFY(!w.win.ShownSelector());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.grid));
    QCOMPARE(w.grid->CurrentCol(), int(Col::ColPower));
    QTest::keyClick(w.grid, Qt::Key_F2); // opens it again
    QCOMPARE(w.win.ShownSelector(), power);

    w.Land(Col::ColBeatShift, 2);
    QComboBox *have = w.win.ShownSelector();
    QCOMPARE(have->objectName(), QStringLiteral("cbHave"));
    have->setCurrentIndex(1); // picked from the list
    QCOMPARE(w.store.Hidden(Col::ColBeatShift, 2), QStringLiteral("1"));
    QCOMPARE(w.store.Text(Col::ColBeatShift, 2), QStringLiteral("No"));
    QCOMPARE(w.store.Hidden(Col::ColScanAdd, 2), QStringLiteral("0")); // only its own cell
    QCOMPARE(w.store.ReadChannelRow(2)->BeatShift, 1);
}

void TestChInfo::escapePutsTheCellBack()
{
    Window w;
    w.store.FillChannelRow(2, Sample());
    w.Land(Col::ColWideNarrow, 2);
    QComboBox *kz = w.win.ShownSelector();
    QTest::keyClick(kz, Qt::Key_W);
    QCOMPARE(w.store.Text(Col::ColWideNarrow, 2), QStringLiteral("Wide"));
    QTest::keyClick(kz, Qt::Key_Escape);
    QVERIFY(!w.win.ShownSelector());
    QCOMPARE(w.store.Text(Col::ColWideNarrow, 2), QStringLiteral("Narrow"));
    QCOMPARE(w.store.Hidden(Col::ColWideNarrow, 2), QStringLiteral("1"));

    w.Land(Col::ColDec, 2);
    QComboBox *qt = w.win.ShownSelector();
    QTest::keyClicks(qt, QStringLiteral("88"));
    QTest::keyClick(qt, Qt::Key_Escape);
    QCOMPARE(w.store.Text(Col::ColDec, 2), QStringLiteral("None"));

    w.Land(Col::ColRx, 2);
    w.grid->OpenEditor();
    QTest::keyClicks(w.Editor(), QStringLiteral("455"));
    QTest::keyClick(w.Editor(), Qt::Key_Escape);
    QTRY_VERIFY(!w.grid->Editor());
    QCOMPARE(w.store.Text(Col::ColRx, 2), QStringLiteral("462.56250"));
}

void TestChInfo::openingChangesNothing()
{
    Window w;
    w.store.FillChannelRow(2, Sample());
    for (int col = Col::ColDec; col <= Col::ColBusyLockout; ++col) {
        w.Land(col, 2);
        QVERIFY(w.win.ShownSelector());
    }
    w.Land(Col::ColNumber, 2);
    QVERIFY(!w.win.ShownSelector());
    QVERIFY(!w.ws->All.Modified);
}

void TestChInfo::toneTyping_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("typed"); // what the key filter lets through
    QTest::addColumn<QString>("stored");

    QTest::newRow("ctcss") << "67" << "67" << "67.0";
    QTest::newRow("ctcss below 30") << "25" << "25" << "30.0";
    QTest::newRow("blank, letter and sign refused") << "6 7x+" << "67" << "67.0";
    QTest::newRow("dcs") << "D023N" << "D023N" << "D023N";
    QTest::newRow("dcs with lower-case polarity") << "D023i" << "D023i" << "D023i";
    QTest::newRow("lower-case d") << "d023n" << "d023n" << "D777N";
    QTest::newRow("letter inside a dcs code refused") << "D02x3N" << "D023N" << "D023N";
    QTest::newRow("not octal") << "D028N" << "D028N" << "D777N";
    QTest::newRow("nothing: none text") << "" << "" << "None";
}

void TestChInfo::toneTyping()
{
    QFETCH(QString, keys);
    QFETCH(QString, typed);
    QFETCH(QString, stored);

    Window w;
    w.store.FillChannelRow(3, Sample());
    w.Land(Col::ColEnc, 3);
    QComboBox *dqt = w.win.ShownSelector();
    QCOMPARE(dqt->objectName(), QStringLiteral("cbDQT"));
    if (keys.isEmpty())
        QTest::keyClick(dqt, Qt::Key_Backspace);
    else
        QTest::keyClicks(dqt, keys);
    QCOMPARE(dqt->currentText(), typed);
    QCOMPARE(w.store.Text(Col::ColEnc, 3), QStringLiteral("D023N")); // not before Enter
    QTest::keyClick(dqt, Qt::Key_Return);
    QCOMPARE(w.store.Text(Col::ColEnc, 3), stored);
    QCOMPARE(w.ws->All.Modified, stored != u"D023N"); // typing the same tone changes nothing
    QVERIFY(!w.win.ShownSelector());
}

void TestChInfo::toneListPick()
{
    Window w;
    w.store.FillChannelRow(3, Sample());
    w.Land(Col::ColDec, 3);
    QComboBox *qt = w.win.ShownSelector();
    QCOMPARE(qt->count(), 206);
    QCOMPARE(qt->currentIndex(), 0);
    qt->setCurrentIndex(qt->findText(QStringLiteral("D754I"))); // picked from the list
    QCOMPARE(w.store.Text(Col::ColDec, 3), QStringLiteral("D754I"));
    qt->setCurrentIndex(0);
    QCOMPARE(w.store.Text(Col::ColDec, 3), QStringLiteral("None"));
    QVERIFY(!w.store.ReadChannelRow(3)->DecTone.size());
}

void TestChInfo::doubleClickOpensTonePicker()
{
    Window w;
    w.store.FillChannelRow(3, Sample());
    w.Land(Col::ColDec, 3);
    QComboBox *qt = w.win.ShownSelector();

    {
        ScopedToneDriver driver([](TfToneOption &picker) { picker.reject(); });
        QTest::mouseDClick(qt->lineEdit(), Qt::LeftButton);
        QCOMPARE(w.store.Text(Col::ColDec, 3), QStringLiteral("None"));
        QVERIFY(!w.ws->All.Modified);
    }
    ScopedToneDriver driver([](TfToneOption &picker) { DoubleClickTone(picker, 0, 1, 7); });
    QTest::mouseDClick(qt->lineEdit(), Qt::LeftButton);
    QCOMPARE(w.store.Text(Col::ColDec, 3), QStringLiteral("127.3"));
    QCOMPARE(qt->currentText(), QStringLiteral("127.3"));
    QVERIFY(w.ws->All.Modified);
    QCOMPARE(w.win.ShownSelector(), qt);
}

void TestChInfo::doubleClickOnTheCell()
{
    Window w;
    w.store.FillChannelRow(3, Sample());
    ScopedToneDriver driver([](TfToneOption &picker) { DoubleClickTone(picker, 1, 8, 11); });
    // The first click opens the selector over the cell; the second lands on it.
    const QPoint at = w.grid->CellRect(Col::ColEnc, 3).center();
    QTest::mousePress(w.grid->viewport(), Qt::LeftButton, {}, at);
    QComboBox *dqt = w.win.ShownSelector();
    QVERIFY(dqt);
    QTest::mouseRelease(w.grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseClick(dqt->lineEdit(), Qt::LeftButton);
    QCOMPARE(w.store.Text(Col::ColEnc, 3), QStringLiteral("D525N"));
}

void TestChInfo::closingEditingCommits()
{
    Window w;
    w.Land(Col::ColRx, 2);
    w.grid->OpenEditor();
    QTest::keyClicks(w.Editor(), QStringLiteral("455"));
    w.win.HideSelectors();
    QVERIFY(!w.grid->Editor());
    QCOMPARE(w.store.Text(Col::ColRx, 2), QStringLiteral("455.00000"));

    w.Land(Col::ColDec, 2);
    QTest::keyClicks(w.win.ShownSelector(), QStringLiteral("100"));
    w.win.HideSelectors();
    QVERIFY(!w.win.ShownSelector());
    for (int col = Col::ColDec; col <= Col::ColBusyLockout; ++col)
        QVERIFY(!w.win.Selector(col)->isVisible());
    QCOMPARE(w.store.Text(Col::ColDec, 2), QStringLiteral("100.0"));
}

void TestChInfo::keyboardWalk()
{
    Window w;
    w.store.FillChannelRow(3, Sample());
    // Enter commits and moves down.
    w.Type(Col::ColRx, 2, QStringLiteral("460"));
    QCOMPARE(w.grid->CurrentRow(), 3);
    QCOMPARE(w.grid->CurrentCol(), int(Col::ColRx));

    // Tab commits and moves right; typing into TX starts its editor.
    w.Land(Col::ColRx, 2);
    QTest::keyClick(w.grid, Qt::Key_4);
    QTest::keyClicks(w.Editor(), QStringLiteral("61"));
    QTest::keyClick(w.Editor(), Qt::Key_Tab);
    QTRY_VERIFY(!w.grid->Editor());
    QCOMPARE(w.store.Text(Col::ColRx, 2), QStringLiteral("461.00000"));
    QCOMPARE(w.grid->CurrentCol(), int(Col::ColTx));
    QTest::keyClick(w.grid, Qt::Key_4);
    QVERIFY(w.Editor());
    QTest::keyClicks(w.Editor(), QStringLiteral("65"));
    QTest::keyClick(w.Editor(), Qt::Key_Return);
    QTRY_VERIFY(!w.grid->Editor());
    QCOMPARE(w.store.Text(Col::ColTx, 2), QStringLiteral("465.00000"));

    // An arrow onto a selector column opens the selector with the focus;
    // arrows and Tab in it move on through the table.
    w.Land(Col::ColTx, 2);
    QTest::keyClick(w.grid, Qt::Key_Right);
    QComboBox *qt = w.win.ShownSelector();
    QCOMPARE(qt ? qt->objectName() : QString(), QStringLiteral("cbQT"));
    QCOMPARE(QApplication::focusWidget(), qt);
    QTest::keyClick(qt, Qt::Key_Down);
    QCOMPARE(w.grid->CurrentRow(), 3);
    QCOMPARE(w.win.ShownSelector(), qt);
    QTest::keyClick(qt, Qt::Key_Tab);
    QCOMPARE(w.grid->CurrentCol(), int(Col::ColEnc));
    QComboBox *dqt = w.win.ShownSelector();
    QCOMPARE(dqt ? dqt->objectName() : QString(), QStringLiteral("cbDQT"));
    QTest::keyClick(dqt, Qt::Key_Down); // row 4 holds no channel: no selector
    QCOMPARE(w.grid->CurrentRow(), 4);
    QVERIFY(!w.win.ShownSelector());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.grid));
    QCOMPARE(w.Texts(3), [&] {
        Window fresh;
        fresh.store.FillChannelRow(3, Sample());
        return fresh.Texts(3);
    }()); // walking through changed nothing
}

void TestChInfo::resetRows()
{
    Window w;
    w.store.FillChannelRow(2, Sample());
    w.store.FillChannelRow(17, Sample());
    w.win.ResetRows();
    QCOMPARE(w.store.RowCount(), 18);
    QCOMPARE(w.Texts(17), (QStringList{"16", "", "", "", "", "", "", "", "", ""}));
    QCOMPARE(w.Hiddens(2), kEmptyRowHiddens);
    QVERIFY(w.store.ReadOnly(Col::ColTx, 2));

    w.ws->All.ChannelCount = 8;
    w.win.ResetRows();
    QCOMPARE(w.store.RowCount(), 10);
    QCOMPARE(w.grid->model()->rowCount(), 8);
    QCOMPARE(w.store.Text(Col::ColNumber, 9), QStringLiteral("8"));
    QCOMPARE(w.win.sizeHint(), QSize(810, 240));
    QCOMPARE(w.win.height(), 240);
}

namespace {

// A language file "Test.Ini" in a temporary folder, with a section for the
// channel table window.
struct LanguageFolder {
    QTemporaryDir dir;
    QString path() const { return dir.path() + u'/'; }
    LanguageFolder()
    {
        QFile file(dir.filePath(QStringLiteral("Test.Ini")));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the test language file");
        file.write("[fChInfo]\n"
                   "fChInfo.Caption=Kanaele\n"
                   "BColText.0=Kanal\n"
                   "BColText.1=Empfang\n"
                   "BColText.10=100\n"
                   "BColText.11=wide\n"
                   "BColText.21=1\n"
                   "lNone.Caption=Leer\n"
                   "gvData.1=Falsch\n"
                   "cbQT.0=Kein\n"
                   "cbQT.1=99.9\n"
                   "cbDQT.0=Kein\n"
                   "cbfsgl.0=Niedrig\n"
                   "cbfsgl.1=Hoch\n"
                   "cbkz.0=Breit\n"
                   "cbkz.1=Schmal\n"
                   "cbHave.0=Ja\n"
                   "cbHave.1=Nein\n");
    }
};

} // namespace

void TestChInfo::languageRefresh()
{
    LanguageFolder folder;
    Window w(folder.path(), 0);
    QCOMPARE(w.win.NoneText(), QStringLiteral("None")); // index 0: built-in texts
    TChannelValues toned = Sample();
    toned.DecTone = QStringLiteral("67.0");
    w.store.FillChannelRow(2, Sample());
    w.store.FillChannelRow(3, toned);
    w.Type(Col::ColRx, 4, QStringLiteral("460"));
    w.ws->All.Modified = false;

    w.win.RefreshLanguage(); // after a language change: always translated
    QVERIFY(!w.ws->All.Refreshing);
    QCOMPARE(w.win.NoneText(), QStringLiteral("Kein"));
    QCOMPARE(w.win.windowTitle(), QStringLiteral("Kanaele"));
    QCOMPARE(w.Texts(2), (QStringList{"1", "462.56250", "467.56250", "Kein", "D023N", "Niedrig",
                                      "Schmal", "Ja", "Ja", "Ja"}));
    QCOMPARE(w.Texts(3).mid(3, 2), (QStringList{"67.0", "D023N"}));
    QCOMPARE(w.Texts(4).mid(3), (QStringList{"Kein", "Kein", "Hoch", "Breit", "Nein", "Nein", "Nein"}));
    QCOMPARE(w.Texts(5), (QStringList{"4", "", "", "", "", "", "", "", "", ""}));
    QCOMPARE(w.store.ReadChannelRow(2)->DecTone, QString());
    QCOMPARE(w.store.ReadChannelRow(2)->WideNarrow, 1);

    // Titles are translated, widths and alignments stay; the grid's own keys
    // and the tone items beyond the none text are not read.
    QCOMPARE(w.store.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Kanal"));
    QCOMPARE(w.store.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Empfang"));
    QCOMPARE(w.grid->GridColumnWidth(1), 80);
    QCOMPARE(w.store.data(w.store.index(0, 1), Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(w.win.Selector(Col::ColDec)->itemText(1), QStringLiteral("67.0"));
    QVERIFY(!w.ws->All.Modified);

    // The selectors and new channels use the new texts.
    w.Land(Col::ColPower, 2);
    QCOMPARE(w.win.ShownSelector()->currentText(), QStringLiteral("Niedrig"));
    w.Land(Col::ColDec, 2);
    QComboBox *qt = w.win.ShownSelector();
    qt->setCurrentIndex(0);
    QCOMPARE(w.store.Text(Col::ColDec, 2), QStringLiteral("Kein"));
    w.Type(Col::ColRx, 6, QStringLiteral("461"));
    QCOMPARE(w.Texts(6).mid(3), (QStringList{"Kein", "Kein", "Hoch", "Breit", "Nein", "Nein", "Nein"}));
}

void TestChInfo::firstShowTranslatesUnlessFirstLanguage()
{
    LanguageFolder folder;
    {
        Window w(folder.path(), 0);
        QCOMPARE(w.win.windowTitle(), QStringLiteral("Channel Information"));
        QCOMPARE(w.win.NoneText(), QStringLiteral("None"));
        QCOMPARE(w.grid->GridColumnWidth(1), 80);
    }
    Window w(folder.path(), 1);
    QCOMPARE(w.win.windowTitle(), QStringLiteral("Kanaele"));
    QCOMPARE(w.win.NoneText(), QStringLiteral("Kein"));
    QCOMPARE(w.store.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Kanal"));
    QCOMPARE(w.grid->GridColumnWidth(1), 100);
    QCOMPARE(w.grid->GridColumnWidth(2), 90); // a width that is no number: the built-in one
    QCOMPARE(w.win.sizeHint().width(), 830);
    // Alignment code 1 for the RX column: left.
    QCOMPARE(w.store.data(w.store.index(0, 1), Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignLeft | Qt::AlignVCenter));
    w.Type(Col::ColRx, 2, QStringLiteral("460"));
    QCOMPARE(w.Texts(2).mid(3), (QStringList{"Kein", "Kein", "Hoch", "Breit", "Nein", "Nein", "Nein"}));
}

QTEST_MAIN(TestChInfo)
#include "tst_chinfo.moc"

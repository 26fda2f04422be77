// The test frequency dialog: the pairs it opens with, the check of a
// committed cell (range messages, no step rounding, emptied cells), what Ok
// and Cancel store, and the closing message after an edit.

#include "DialogPictures.h"
#include "core/Workspace.h"
#include "image/TestFrequency.h"
#include "support/Fixtures.h"
#include "support/ScriptedMsgBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

constexpr int NumberColumn = 1;
constexpr int RxColumn = 2;
constexpr int TxColumn = 3;

// A UHF model (limits 300 .. 650) on its band "450 - 470MHz", the dialog
// shown on its start values.
struct TOpened {
    std::unique_ptr<TWorkspace> ws = NewWorkspace(0);
    ScriptedMsgBox box;
    std::unique_ptr<TfTestFrequency> dialog;
    QTableWidget *grid = nullptr;

    TOpened()
    {
        QCOMPARE(ws->All.BandText, QString("450 - 470MHz"));
        QCOMPARE(ws->All.ModelUpperLimit, 650.0);
        dialog = std::make_unique<TfTestFrequency>(*ws, box);
        dialog->show();
        grid = dialog->findChild<QTableWidget *>("gvData");
        QVERIFY(grid);
    }

    QString Cell(int pair, int col) const { return grid->item(pair - 1, col)->text(); }

    // Opens the cell's editor, types keys over its text and presses Enter
    // (empty keys: the text is erased). A text the editor will not commit
    // keeps it open; Escape then leaves the cell as it was.
    void Type(int pair, int col, const QString &keys, bool commits = true)
    {
        QTableWidgetItem *cell = grid->item(pair - 1, col);
        grid->setCurrentItem(cell);
        grid->editItem(cell);
        QPointer<QLineEdit> editor = grid->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, keys);
        QTest::keyClick(editor, Qt::Key_Return);
        if (!commits) {
            QCoreApplication::processEvents();
            QVERIFY(editor && editor->isVisible());
            QTest::keyClick(editor, Qt::Key_Escape);
        }
        QTRY_VERIFY(!editor); // closed, committed or not
    }

    void Click(const char *button)
    {
        dialog->findChild<QPushButton *>(QString::fromLatin1(button))->click();
    }
};

const QStringList kStartRx{"460.05000", "440.05000", "479.95000", "460.00000", "460.20000",
                           "460.40000"};
const QStringList kStartTx{"460.10000", "440.10000", "479.90000", "460.00000", "460.20000",
                           "460.40000"};

} // namespace

class TstTestFrequency : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheTestFrequencies()
    {
        TOpened t;
        QCOMPARE(t.dialog->windowTitle(), QString("Test Frequency"));
        QCOMPARE(t.grid->columnCount(), 4);
        QVERIFY(t.grid->isColumnHidden(0));
        QCOMPARE(t.grid->horizontalHeaderItem(1)->text(), QString("信道"));
        QCOMPARE(t.grid->horizontalHeaderItem(2)->text(), QString("接收[MHz]"));
        QCOMPARE(t.grid->horizontalHeaderItem(3)->text(), QString("发射[MHz]"));
        QCOMPARE(t.grid->rowCount(), 16);
        for (int pair = 1; pair <= 16; ++pair) {
            QCOMPARE(t.Cell(pair, NumberColumn), QString::number(pair));
            QVERIFY(!(t.grid->item(pair - 1, NumberColumn)->flags() & Qt::ItemIsEditable));
            QCOMPARE(t.Cell(pair, RxColumn), pair <= 6 ? kStartRx.at(pair - 1) : QString());
            QCOMPARE(t.Cell(pair, TxColumn), pair <= 6 ? kStartTx.at(pair - 1) : QString());
        }
        QVERIFY(!t.dialog->findChild<QLabel *>("Label1")->isVisible());
        t.Click("btnOk");
        QVERIFY(t.box.shown.isEmpty()); // filling is no edit
        QCOMPARE(t.ws->TestFre.RxFreq, TTestFre().RxFreq);
    }

    void checksTheCommittedText_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("message"); // "", "ErrRange" or "OutRange"

        QTest::newRow("inside the band") << "462.5" << "462.50000" << "";
        QTest::newRow("not on the step grid") << "460.0031" << "460.00310" << "";
        QTest::newRow("band limit") << "470" << "470.00000" << "";
        QTest::newRow("above the model") << "700" << "470.00000" << "ErrRange";
        QTest::newRow("below the model") << "12.5" << "450.00000" << "ErrRange";
        QTest::newRow("five digits") << "99999.99999" << "470.00000" << "ErrRange";
        QTest::newRow("out of band") << "440" << "440.00000" << "OutRange";
        QTest::newRow("model limit") << "650" << "650.00000" << "OutRange";
        QTest::newRow("leading point") << ".5" << "450.00000" << "ErrRange";
        QTest::newRow("sign refused") << "-462.5" << "462.50000" << "";
        QTest::newRow("sixth decimal refused") << "462.123456" << "462.12345" << "";
        QTest::newRow("sixth digit refused") << "4625001" << "470.00000" << "ErrRange";
        QTest::newRow("letters refused") << "46x2e" << "462.00000" << "";
    }

    void checksTheCommittedText()
    {
        QFETCH(QString, keys);
        QFETCH(QString, cell);
        QFETCH(QString, message);
        TOpened t;
        t.Type(2, TxColumn, keys);
        QCOMPARE(t.Cell(2, TxColumn), cell);
        QCOMPARE(t.Cell(2, RxColumn), QString("440.05000"));
        if (message.isEmpty()) {
            QVERIFY(t.box.shown.isEmpty());
        } else {
            QCOMPARE(t.box.shown.size(), 1);
            QCOMPARE(t.box.shown.at(0).caption, t.ws->Language.Caution);
            QCOMPARE(t.box.shown.at(0).text,
                     message == "ErrRange" ? t.ws->Language.ErrRange : t.ws->Language.OutRange);
            QCOMPARE(t.box.shown.at(0).kind, int(MsgInformation));
        }
    }

    // An emptied cell empties its entry, silently; a lone "." is no number
    // and leaves the cell as it was.
    void okStoresTheCells()
    {
        TOpened t;
        t.Type(1, RxColumn, "462.5");
        t.Type(3, TxColumn, "");
        t.Type(4, RxColumn, ".", false);
        t.Type(16, RxColumn, "455");
        t.Type(16, TxColumn, "455.0125");
        QVERIFY(t.box.shown.isEmpty());
        t.Click("btnOk");

        QCOMPARE(t.dialog->result(), int(QDialog::Accepted));
        TTestFre expected;
        expected.RxFreq[1] = "462.50000";
        expected.TxFreq[3] = "";
        expected.RxFreq[16] = "455.00000";
        expected.TxFreq[16] = "455.01250";
        QCOMPARE(t.ws->TestFre.RxFreq, expected.RxFreq);
        QCOMPARE(t.ws->TestFre.TxFreq, expected.TxFreq);
        QCOMPARE(t.box.texts(), QStringList{t.dialog->findChild<QLabel *>("Label1")->text()});
        QVERIFY(!t.ws->All.Modified);
    }

    // Ok by its shortcut while a cell is being typed takes the typed text.
    void okTakesTheOpenEditor()
    {
        TOpened t;
        QTableWidgetItem *cell = t.grid->item(8, RxColumn);
        t.grid->setCurrentItem(cell);
        t.grid->editItem(cell);
        auto *editor = t.grid->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        QTest::keyClicks(editor, "700");
        t.Click("btnOk");
        QCOMPARE(t.ws->TestFre.RxFreq[9], QString("470.00000"));
        QCOMPARE(t.box.texts(),
                 (QStringList{t.ws->Language.ErrRange,
                              t.dialog->findChild<QLabel *>("Label1")->text()}));
        QTRY_VERIFY(!t.grid->viewport()->findChild<QLineEdit *>());
    }

    // Cancel while a cell is being typed drops the text, and nothing is
    // checked once the dialog is gone.
    void cancelDropsTheOpenEditor()
    {
        TOpened t;
        t.dialog->activateWindow();
        QTableWidgetItem *cell = t.grid->item(0, TxColumn);
        t.grid->setCurrentItem(cell);
        t.grid->editItem(cell);
        QPointer<QLineEdit> editor = t.grid->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->setFocus();
        QTest::keyClicks(editor, "700");
        t.Click("btnCancel");
        QTRY_VERIFY(!editor);
        QVERIFY(t.box.shown.isEmpty());
        QCOMPARE(t.Cell(1, TxColumn), QString("460.10000"));
        QCOMPARE(t.ws->TestFre.TxFreq[1], QString("460.10000"));
    }

    // Entering a cell and leaving it unchanged is no edit: no range warning
    // for an out-of-band start value, no closing message.
    void enteringAndLeavingACellIsNoEdit()
    {
        TOpened t;
        for (int pair : {2, 7}) { // 440.05000 lies outside the band; 7 is empty
            QTableWidgetItem *cell = t.grid->item(pair - 1, RxColumn);
            t.grid->setCurrentItem(cell);
            t.grid->editItem(cell);
            QPointer<QLineEdit> editor = t.grid->viewport()->findChild<QLineEdit *>();
            QVERIFY(editor);
            QTest::keyClick(editor, Qt::Key_Return);
            QTRY_VERIFY(!editor);
        }
        t.Click("btnCancel");
        QVERIFY(t.box.shown.isEmpty());
    }

    void closingAfterAnEditTellsOnce_data()
    {
        QTest::addColumn<QString>("how"); // "btnOk", "btnCancel", "close", "escape"
        QTest::addColumn<bool>("edit");
        QTest::addColumn<bool>("stored");

        QTest::newRow("Cancel, no edit") << "btnCancel" << false << false;
        QTest::newRow("close box, no edit") << "close" << false << false;
        QTest::newRow("Cancel after an edit") << "btnCancel" << true << false;
        QTest::newRow("close box after an edit") << "close" << true << false;
        QTest::newRow("Escape after an edit") << "escape" << true << false;
        QTest::newRow("Ok after an edit") << "btnOk" << true << true;
    }

    void closingAfterAnEditTellsOnce()
    {
        QFETCH(QString, how);
        QFETCH(bool, edit);
        QFETCH(bool, stored);
        TOpened t;
        if (edit)
            t.Type(5, RxColumn, "455");
        if (how == "close")
            t.dialog->close();
        else if (how == "escape")
            QTest::keyClick(t.dialog.get(), Qt::Key_Escape);
        else
            t.Click(qPrintable(how));
        QVERIFY(!t.dialog->isVisible());
        t.dialog->close(); // a second close says nothing more

        if (edit) {
            QCOMPARE(t.box.shown.size(), 1);
            QCOMPARE(t.box.shown.at(0).caption, t.ws->Language.Confirmation);
            QCOMPARE(t.box.shown.at(0).text,
                     QString("Test Frequency mismatch.#10#13Execute read data from radio or "
                             "write to radio."));
            QCOMPARE(t.box.shown.at(0).kind, int(MsgInformation));
        } else {
            QVERIFY(t.box.shown.isEmpty());
        }
        QCOMPARE(t.ws->TestFre.RxFreq[5], stored ? QString("455.00000") : QString("460.20000"));
        QVERIFY(!t.ws->All.Modified);
    }

    void reopensOnTheStoredValuesInTheLanguage()
    {
        TOpened t;
        t.Type(7, RxColumn, "461");
        t.Click("btnOk");
        t.ws->All.LanguageName = "English";
        t.ws->All.LanguageIndex = 1;
        t.ws->All.AppFolder = QStringLiteral(ORVEL_SHARE_DIR "/");
        t.box.shown.clear();

        TfTestFrequency again(*t.ws, t.box);
        again.show();
        auto *grid = again.findChild<QTableWidget *>("gvData");
        QCOMPARE(again.windowTitle(), QString("Test Frequencies"));
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QString("Channel"));
        QCOMPARE(grid->horizontalHeaderItem(3)->text(), QString("TX [MHz]"));
        QCOMPARE(grid->item(6, RxColumn)->text(), QString("461.00000"));
        QCOMPARE(grid->item(0, NumberColumn)->text(), QString("1"));
        again.close();
        QVERIFY(t.box.shown.isEmpty());
    }

    // Not a check: pictures of the dialog in both languages.
    void pictures()
    {
        if (PictureFolder().isEmpty())
            QSKIP("ORVEL_DIALOG_PICTURES not set");
        ScriptedMsgBox box;
        QVERIFY(SavePictures([&box](TWorkspace &ws) { return std::make_unique<TfTestFrequency>(ws, box); }));
    }
};

QTEST_MAIN(TstTestFrequency)
#include "tst_testfrequency.moc"

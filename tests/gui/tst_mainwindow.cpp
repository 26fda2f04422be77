// The main window: the start-up it completes on its first show, the command
// table, the dispatch, the status display, the close query with the
// settings save, the model and language changes, help and the about box.

#include "MainFrame.h"
#include "core/Maindb.h"
#include "core/Workspace.h"
#include "editing/ChInfo.h"
#include "image/DataFile.h"
#include "image/FileCommands.h"
#include "link/TransferPlan.h"
#include "localisation/Translate.h"
#include "mainwindow/AboutBox.h"
#include "mainwindow/CommandTable.h"
#include "mainwindow/Help.h"
#include "mainwindow/MainFrm.h"
#include "mainwindow/ModelChoice.h"
#include "mainwindow/StatusPanels.h"
#include "support/Fixtures.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempFiles.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

namespace {

constexpr int Rx = TChannelStore::ColRx;

void Choose(QWidget *dialog, const char *list, int item)
{
    dialog->findChild<QComboBox *>(QString::fromLatin1(list))->setCurrentIndex(item);
    dialog->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
}

TReadResult OneChannelRead(const TWorkspace &ws)
{
    TReadResult read;
    read.model = ws.Models.Item(0);
    read.modelCode = read.model->Code;
    read.bandText = read.model->DefaultBand;
    read.channels.resize(16);
    TChannelValues channel;
    channel.Rx = 462.5;
    channel.Tx = 467.5;
    channel.TxPower = 1;
    read.channels[2] = channel;
    return read;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startUpWithoutFiles();
    void portCheck_data();
    void portCheck();
    void menuItems_data();
    void menuItems();
    void menusAndToolBar();
    void shortcutsAreUnambiguous();
    void dispatchClosesEditing_data();
    void dispatchClosesEditing();
    void viewTogglesPanels();
    void statusAndCaptionFollowFile();
    void saveAsAsksForName();
    void readResultLoaded();
    void closeQuery_data();
    void closeQuery();
    void settingsSaveFailureShown();
    void modelChoice_data();
    void modelChoice();
    void modelChoiceSavesUserSettings();
    void languageApplied();
    void dialogCommands();
    void editingCommands_data();
    void editingCommands();
    void aboutBox();
    void helpFile_data();
    void helpFile();
};

// No settings file, no language file, no port: the defaults, then the first
// show selects the first model and its default band.
void TestMainWindow::startUpWithoutFiles()
{
    Frame f;
    QCOMPARE(f.ws->All.CurrentModel, nullptr);
    QCOMPARE(f.ws->All.ChannelCount, 0);
    QCOMPARE(f.ws->All.LanguageName, QStringLiteral("Chinese"));
    QCOMPARE(f.ws->All.PortName, QStringLiteral("Com1"));
    QVERIFY(!f.window->IsStarted());

    f.ws->All.Modified = true;
    f.show();
    const TALL &all = f.ws->All;
    QVERIFY(f.window->IsStarted());
    QCOMPARE(all.CurrentModel, f.ws->Models.Item(0));
    QCOMPARE(all.ModelName, QStringLiteral("Orvel(UHF)"));
    QCOMPARE(all.ChannelCount, 16);
    QCOMPARE(all.BandText, QStringLiteral("450 - 470MHz"));
    QCOMPARE(all.BandLowerLimit, 450.0);
    QCOMPARE(all.BandUpperLimit, 470.0);
    QCOMPARE(all.ModelUpperLimit, 650.0);
    QCOMPARE(all.ModelLowerLimit, 300.0);
    QVERIFY(!all.Modified);
    QVERIFY(!all.TestOnlineVisible);
    QCOMPARE(all.PortName, QStringLiteral("COM1"));
    QVERIFY(!f.action("T1")->isVisible());

    QCOMPARE(f.window->objectName(), QStringLiteral("fMainFrm"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Orvel"));
    QCOMPARE(f.label("stModel"), QStringLiteral("Orvel(UHF)"));
    QCOMPARE(f.label("stFreq"), QStringLiteral("450 - 470MHz"));
    QVERIFY(!f.window->findChild<QLabel *>(QStringLiteral("lCom"))->isVisible());
    TStatusPanels *bar = f.window->StatusPanels();
    QCOMPARE(bar->PanelText(0), QString());
    QCOMPARE(bar->PanelText(1), StatusDateText());
    QVERIFY(!bar->PanelText(2).isEmpty());
    QCOMPARE(bar->PanelText(3), QStringLiteral("Port: COM1"));
    QCOMPARE(bar->PanelText(4), QString());

    QVERIFY(f.window->ChInfo());
    QVERIFY(f.window->ChInfo()->isVisible());
    QCOMPARE(f.ws->Channels.RowCount(), 18);
    QCOMPARE(f.window->FileCommands().FileName(), QString());
}

void TestMainWindow::portCheck_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("port");
    QTest::newRow("stored port present") << QByteArray("Com3") << QStringList{"COM3"} << "COM3";
    QTest::newRow("small letters") << QByteArray("com3") << QStringList{"COM1", "COM3"} << "COM3";
    QTest::newRow("missing: first present") << QByteArray("Com3") << QStringList{"COM1", "COM4"} << "COM1";
    QTest::newRow("no port: kept, upper case") << QByteArray("Com3") << QStringList{} << "COM3";
    // A device path (the simulated radio's pseudo-terminal) is kept as it is
    // while it exists; one that is gone counts as a missing port.
    QTest::newRow("device path present") << QByteArray("/dev/null") << QStringList{"COM1"} << "/dev/null";
    QTest::newRow("device path gone") << QByteArray("/dev/pts/no-such") << QStringList{"COM1"} << "COM1";
}

void TestMainWindow::portCheck()
{
    QFETCH(QByteArray, stored);
    QFETCH(QStringList, present);
    QFETCH(QString, port);
    Frame f("[SysInfo]\nCom=" + stored + "\n", present);
    f.show();
    QCOMPARE(f.ws->All.PortName, port);
    QCOMPARE(f.window->StatusPanels()->PanelText(TStatusPanels::Port), QStringLiteral("Port: ") + port);
}

void TestMainWindow::menuItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("shown");

    auto row = [](const char *name, const char *menu, const char *caption, int tag,
                  const char *shortcut, bool shown) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(menu)
                            << QString::fromLatin1(caption) << tag << QString::fromLatin1(shortcut)
                            << shown;
    };
    row("N1", "File1", "&New", 1, "Ctrl+N", true);
    row("O1", "File1", "&Open", 2, "Ctrl+O", true);
    row("S2", "File1", "&Save", 3, "Ctrl+S", true);
    row("A1", "File1", "Save &As", 4, "Ctrl+A", true);
    row("P2", "File1", "&Print", 7, "Ctrl+P", true);
    row("V2", "File1", "Print Pre&view", 8, "Ctrl+V", true);
    row("nExit", "File1", "&Exit", 0, "Ctrl+X", true);
    row("E1", "Edit1", "&Channel Edit", 10, "F11", true);
    row("E2", "Edit1", "&Batch Channel Edit", 36, "F10", true);
    row("E12", "Edit1", "Function &Setting", 37, "", true);
    row("E10", "Edit1", "&Test Frequency", 18, "", false);
    row("E11", "Edit1", "Embedded &Message", 19, "", false);
    row("R1", "Program1", "&Read From Radio", 20, "Ctrl+R", true);
    row("W2", "Program1", "&Write To Radio", 21, "Ctrl+W", true);
    row("T1", "Program1", "&Test Online", 22, "", false);
    row("N4", "Setup1", "&Model Information", 9, "", true);
    row("C2", "Setup1", "&Communication Port", 24, "", true);
    row("nLanguage", "Setup1", "Language File Setup", 25, "", true);
    row("T4", "View1", "Tree &View", 26, "", false);
    row("nCool", "View1", "&Toolbar", 0, "", true);
    row("nBar", "View1", "&Status bar", 0, "", true);
    row("nC", "Window1", "&Cascade", 29, "", true);
    row("nH", "Window1", "Tile Windows &Horizontally", 30, "", true);
    row("nV", "Window1", "Tile Windows &Vertically", 31, "", true);
    row("npl", "Window1", "&Arrange Icons", 32, "", true);
    row("nCloseAll", "Window1", "Close All &Windows", 33, "", true);
    row("nHelpTopics", "Help1", "&Help Topics", 34, "", true);
    row("nAbout", "Help1", "About...", 35, "", true);
}

void TestMainWindow::menuItems()
{
    QFETCH(QString, name);
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(int, tag);
    QFETCH(QString, shortcut);
    QFETCH(bool, shown);

    Frame f;
    f.show();
    auto *item = f.window->findChild<QAction *>(name);
    QVERIFY(item);
    QCOMPARE(item->text(), caption);
    QCOMPARE(Tag(item), tag);
    QCOMPARE(item->shortcut(), QKeySequence(shortcut));
    QCOMPARE(item->isVisible(), shown);
    auto *owner = f.window->findChild<QMenu *>(menu);
    QVERIFY(owner);
    QVERIFY(owner->actions().contains(item));
}

void TestMainWindow::menusAndToolBar()
{
    Frame f;
    f.show();
    QStringList menus;
    for (QAction *top : f.window->menuBar()->actions())
        menus << top->menu()->objectName() + (top->isVisible() ? "" : "(hidden)");
    QCOMPARE(menus, (QStringList{"File1", "Edit1", "Program1", "Setup1", "View1",
                                 "Window1(hidden)", "Help1"}));

    // Separators in place, the hidden ones hidden.
    QStringList edit;
    for (QAction *a : f.window->findChild<QMenu *>("Edit1")->actions())
        edit << (a->isSeparator() ? (a->isVisible() ? "-" : "(-)") : a->objectName());
    QCOMPARE(edit, (QStringList{"E1", "E2", "-", "E12", "(-)", "E10", "E11"}));

    QStringList buttons;
    QStringList hints;
    auto *bar = f.window->findChild<QToolBar *>("tbar");
    for (QAction *a : bar->actions()) {
        buttons << (a->isSeparator() ? "-" : a->objectName());
        if (!a->isSeparator())
            hints << a->toolTip() + "=" + QString::number(Tag(a));
    }
    QCOMPARE(buttons, (QStringList{"tbNew", "tbOpen", "tbSave", "-", "ToolButton3", "-", "tbPrint",
                                   "-", "tbRead", "-", "tbWrite", "-", "tbHelp"}));
    QCOMPARE(hints, (QStringList{"New=1", "Open=2", "Save=3", "Channel Edit=10", "Print=7",
                                 "Read=20", "Write=21", "Help=34"}));
    for (QAction *a : bar->actions())
        QVERIFY(a->isSeparator() || !a->icon().pixmap(20, 20).isNull());
}

// A key bound twice in the same window fires neither binding: every
// shortcut reachable in the main window, the channel table's included,
// belongs to one action. Ctrl+W from the channel table writes to the radio.
void TestMainWindow::shortcutsAreUnambiguous()
{
    Frame f;
    f.show();
    QMap<QString, QString> owner;
    for (QAction *action : f.window->findChildren<QAction *>()) {
        for (const QKeySequence &key : action->shortcuts()) {
            const QString text = key.toString();
            QVERIFY2(!owner.contains(text),
                     qPrintable(text + ": " + owner.value(text) + " and " + action->objectName() + " " + action->text()));
            owner.insert(text, action->objectName() + " " + action->text());
        }
    }
    QCOMPARE(owner.value(QStringLiteral("Ctrl+W")).section(u' ', 0, 0), QStringLiteral("W2"));

    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    QTableView *grid = f.window->ChInfo()->Grid();
    grid->setFocus();
    QString shown;
    WhenDialogShows([&shown](QWidget *dialog) {
        shown = dialog->objectName();
        static_cast<QDialog *>(dialog)->reject();
    });
    QTest::keyClick(grid, Qt::Key_W, Qt::ControlModifier);
    QTRY_COMPARE(shown, QStringLiteral("fWriteRadio"));
}

// Every number, with a command or without, first ends the editing in the
// channel table.
void TestMainWindow::dispatchClosesEditing_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("no command") << 0;
    QTest::newRow("unknown number") << 99;
    QTest::newRow("Test Online") << int(CmdTestOnline);
    QTest::newRow("Tree View") << int(CmdTreeView);
    QTest::newRow("Cascade") << int(CmdCascade);
}

void TestMainWindow::dispatchClosesEditing()
{
    QFETCH(int, number);
    Frame f;
    f.show();
    TypeChannel(*f.ws, 1, QStringLiteral("460"));
    QTableView *grid = f.window->ChInfo()->Grid();
    if (!grid->model())
        QSKIP("the channel table window has no grid model yet");
    const QModelIndex tx = grid->model()->index(0, Rx); // column 3 (TX) of channel 1
    grid->setCurrentIndex(tx);
    grid->edit(tx);
    auto editorOpen = [grid] {
        const QList<QLineEdit *> editors = grid->viewport()->findChildren<QLineEdit *>();
        return std::any_of(editors.cbegin(), editors.cend(),
                           [](const QLineEdit *e) { return e->isVisible(); });
    };
    QVERIFY(editorOpen());

    f.window->Dispatch(number);

    QVERIFY(!editorOpen());

    // A selector laid over an option cell (TX Power, grid column 6).
    TfChInfo *table = f.window->ChInfo();
    grid->setCurrentIndex(grid->model()->index(0, TChannelStore::ColPower - 1));
    QVERIFY(table->ShownSelector());
    f.window->Dispatch(number);
    QCOMPARE(table->ShownSelector(), nullptr);
    for (QComboBox *selector : table->findChildren<QComboBox *>())
        QVERIFY2(!selector->isVisible(), qPrintable(selector->objectName()));
}

void TestMainWindow::viewTogglesPanels()
{
    Frame f;
    f.show();
    QVERIFY(f.window->ToolBarPanel()->isVisible());
    f.action("nCool")->trigger();
    QVERIFY(!f.action("nCool")->isChecked());
    QVERIFY(!f.window->ToolBarPanel()->isVisible());
    f.action("nBar")->trigger();
    QVERIFY(!f.window->StatusPanels()->isVisible());
    f.action("nBar")->trigger();
    QVERIFY(f.window->StatusPanels()->isVisible());
}

void TestMainWindow::statusAndCaptionFollowFile()
{
    Frame f;
    f.show();
    const QString file = f.dir.filePath(QStringLiteral("caption.dat"));
    auto other = NewWorkspace(1);
    QVERIFY(SaveDataFile(file, *other).ok());
    f.chooser.openAnswers = {file};
    f.action("O1")->trigger();
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Orvel [") + file + "]");
    QCOMPARE(f.label("stModel"), QStringLiteral("Orvel(VHF)"));
    QCOMPARE(f.label("stFreq"), QStringLiteral("150 - 174MHz"));

    f.window->Dispatch(CmdNew);
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Orvel"));
}

void TestMainWindow::saveAsAsksForName()
{
    Frame f;
    f.show();
    const QString first = f.dir.filePath(QStringLiteral("first.dat"));
    f.window->FileCommands().SetFileName(first);
    f.chooser.saveAnswers = {f.dir.filePath(QStringLiteral("second.dat"))};
    f.window->Dispatch(CmdSaveAs);
    QCOMPARE(f.chooser.saveAsked, 1);
    QCOMPARE(f.window->windowTitle(), "Orvel [" + f.dir.filePath(QStringLiteral("second.dat")) + "]");
    QVERIFY(!QFileInfo::exists(first));
}

void TestMainWindow::readResultLoaded()
{
    Frame f;
    f.show();
    f.window->FileCommands().SetFileName(QStringLiteral("/old/file.dat"));
    TypeChannel(*f.ws, 1, QStringLiteral("455"));
    f.ws->All.Modified = false;
    f.window->LoadReadResult(OneChannelRead(*f.ws));
    QCOMPARE(f.ws->Channels.Text(Rx, 2), QString());
    QCOMPARE(f.ws->Channels.Text(Rx, 4), QStringLiteral("462.50000"));
    QCOMPARE(f.ws->Channels.Text(TChannelStore::ColTx, 4), QStringLiteral("467.50000"));
    QCOMPARE(f.ws->Channels.Hidden(TChannelStore::ColNumber, 4), QStringLiteral("1"));
    QVERIFY(f.ws->All.Modified);
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Orvel"));
    QCOMPARE(f.window->FileCommands().FileName(), QString());
}

void TestMainWindow::closeQuery_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<bool>("savePicked");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("questions");

    QTest::newRow("exit No") << true << QList<int>{IdNo} << false << false << 1;
    QTest::newRow("exit Yes, unmodified") << false << QList<int>{IdYes} << false << true << 1;
    QTest::newRow("exit Yes, save No") << true << QList<int>{IdYes, IdNo} << false << true << 2;
    QTest::newRow("exit Yes, save Yes, saved") << true << QList<int>{IdYes, IdYes} << true << true << 2;
    QTest::newRow("exit Yes, save Yes, dialog cancelled: stays")
        << true << QList<int>{IdYes, IdYes} << false << false << 2;
}

void TestMainWindow::closeQuery()
{
    QFETCH(bool, modified);
    QFETCH(QList<int>, answers);
    QFETCH(bool, savePicked);
    QFETCH(bool, closes);
    QFETCH(int, questions);

    Frame f("[SysInfo]\nCom=com2\nHelp=XY\n", {"COM2"});
    f.show();
    f.ws->All.Modified = modified;
    f.box.answers = answers;
    const QString saved = f.dir.filePath(QStringLiteral("exit.dat"));
    if (savePicked)
        f.chooser.saveAnswers = {saved};

    QCOMPARE(f.window->close(), closes);

    QCOMPARE(f.box.shown.size(), questions);
    QCOMPARE(f.box.shown.first().text, f.ws->Language.ExitProgram);
    if (questions > 1)
        QCOMPARE(f.box.shown.at(1).text, f.ws->Language.SaveProgram);
    QCOMPARE(f.window->isVisible(), !closes);
    QCOMPARE(QFileInfo::exists(saved), savePicked);
    if (!closes)
        QCOMPARE(f.ws->All.Modified, modified);
    // The settings file is written when, and only when, the window closes.
    const QByteArray ini = ReadBytes(f.settings.writePath);
    QCOMPARE(ini.contains("Com=COM2"), closes);
    if (closes) {
        QVERIFY(ini.contains("DefaultLanguage=0"));
        QVERIFY(ini.contains("PicID=0"));
        QVERIFY(ini.contains("Help=XY"));
    }
}

void TestMainWindow::settingsSaveFailureShown()
{
    Frame f;
    f.show();
    // A folder that cannot exist: a file is in its place.
    WriteBytes(f.dir.filePath(QStringLiteral("blocker")), "file");
    f.window->Services().settings.writePath = f.dir.filePath(QStringLiteral("blocker/SysInfo.Ini"));
    f.box.answers = {IdYes};
    QVERIFY(f.window->close());
    QCOMPARE(f.box.shown.size(), 2);
    QCOMPARE(f.box.shown.at(1).kind, int(MsgInformation));
    QVERIFY(f.box.shown.at(1).text.startsWith(QStringLiteral("Unable to write to")));
}

// Applying an accepted model dialog.
void TestMainWindow::modelChoice_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<bool>("savePicked");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<int>("questions");

    QTest::newRow("unmodified: no question") << false << QList<int>{} << false << true << 0;
    QTest::newRow("ClearData No: nothing changes") << true << QList<int>{IdNo} << false << false << 1;
    QTest::newRow("ClearData Yes, save No") << true << QList<int>{IdYes, IdNo} << false << true << 2;
    QTest::newRow("ClearData Yes, save Yes, saved") << true << QList<int>{IdYes, IdYes} << true << true << 2;
    QTest::newRow("ClearData Yes, save Yes, cancelled: nothing changes")
        << true << QList<int>{IdYes, IdYes} << false << false << 2;
}

void TestMainWindow::modelChoice()
{
    QFETCH(bool, modified);
    QFETCH(QList<int>, answers);
    QFETCH(bool, savePicked);
    QFETCH(bool, applied);
    QFETCH(int, questions);

    Frame f;
    f.show();
    TypeChannel(*f.ws, 1, QStringLiteral("460"));
    f.ws->Fun.SquelchLevel = 9;
    f.ws->All.Modified = modified;
    f.box.answers = answers;
    const QString saved = f.dir.filePath(QStringLiteral("model.dat"));
    if (savePicked)
        f.chooser.saveAnswers = {saved};

    const bool result = ApplyModelChoice(*f.ws, f.box, f.window->FileCommands(),
                                         QStringLiteral("Orvel(VHF)"), QStringLiteral("136 - 174MHz"));
    QCOMPARE(result, applied);
    QCOMPARE(f.box.shown.size(), questions);
    if (questions > 0)
        QCOMPARE(f.box.shown.first().text, f.ws->Language.ClearData);
    if (questions > 1)
        QCOMPARE(f.box.shown.at(1).text, f.ws->Language.SaveProgram);
    const TALL &all = f.ws->All;
    if (applied) {
        QCOMPARE(all.ModelName, QStringLiteral("Orvel(VHF)"));
        QCOMPARE(all.ModelCode, QStringLiteral("6841"));
        QCOMPARE(all.BandText, QStringLiteral("136 - 174MHz"));
        QCOMPARE(all.BandLowerLimit, 136.0);
        QCOMPARE(f.ws->Channels.Text(Rx, 2), QString());
        QCOMPARE(f.ws->Fun.SquelchLevel, TFun().SquelchLevel);
        QVERIFY(!all.Modified);
        QCOMPARE(f.label("stModel"), QStringLiteral("Orvel(VHF)"));
    } else {
        QCOMPARE(all.ModelName, QStringLiteral("Orvel(UHF)"));
        QCOMPARE(all.ModelCode, QStringLiteral("6842"));
        QCOMPARE(all.BandText, QStringLiteral("450 - 470MHz"));
        QCOMPARE(all.BandUpperLimit, 470.0);
        QCOMPARE(f.ws->Channels.Text(Rx, 2), QStringLiteral("460.00000"));
        QCOMPARE(f.ws->Fun.SquelchLevel, 9);
        QCOMPARE(all.Modified, modified);
    }
    QCOMPARE(QFileInfo::exists(saved), savePicked);
}

// The save offered by a model change stores the table under the new model
// and band, with the settings as the user left them.
void TestMainWindow::modelChoiceSavesUserSettings()
{
    Frame f;
    f.show();
    TypeChannel(*f.ws, 1, QStringLiteral("460"));
    f.ws->Fun.SquelchLevel = 7;
    f.ws->EnMsg.MessageA = QStringLiteral("KEEP ME");
    f.box.answers = {IdYes, IdYes};
    const QString saved = f.dir.filePath(QStringLiteral("switch.dat"));
    f.chooser.saveAnswers = {saved};
    QVERIFY(ApplyModelChoice(*f.ws, f.box, f.window->FileCommands(), QStringLiteral("Orvel(VHF)"),
                             QStringLiteral("150 - 174MHz")));
    QCOMPARE(f.window->FileCommands().FileName(), QString());
    auto back = NewWorkspace();
    QVERIFY(LoadDataFile(saved, *back).ok());
    QCOMPARE(back->All.ModelName, QStringLiteral("Orvel(VHF)"));
    QCOMPARE(back->All.BandText, QStringLiteral("150 - 174MHz"));
    QCOMPARE(back->Fun.SquelchLevel, 7);
    QCOMPARE(back->EnMsg.MessageA, QStringLiteral("KEEP ME"));
}

void TestMainWindow::languageApplied()
{
    Frame f;
    f.show();
    WriteBytes(f.dir.filePath(QStringLiteral("Test.Ini")),
               "[Language]\nConfirmation=Prompt\n"
               "[fMainFrm]\nN1.Caption=&Neu\nlCom.Caption=\"Anschluss: \"\nlMode.Caption=\"Typ: \"\n"
               "tbNew.Hint=Neu\n");
    f.ws->All.LanguageName = QStringLiteral("Test");
    f.ws->All.LanguageIndex = 2;
    f.window->ApplyLanguage();
    QCOMPARE(f.ws->Language.Confirmation, QStringLiteral("Prompt"));
    QCOMPARE(f.action("N1")->text(), QStringLiteral("&Neu"));
    QCOMPARE(f.action("tbNew")->toolTip(), QStringLiteral("Neu"));
    QCOMPARE(f.label("lMode"), QStringLiteral("Typ: "));
    QCOMPARE(f.window->StatusPanels()->PanelText(TStatusPanels::Port), QStringLiteral("Anschluss: COM1"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Orvel"));
}

// The Setup commands and the about box through the dispatcher.
void TestMainWindow::dialogCommands()
{
    Frame f;
    f.show();
    TypeChannel(*f.ws, 1, QStringLiteral("460"));
    f.box.answers = {IdYes, IdNo}; // ClearData Yes, SaveProgram No
    WhenDialogShows([](QWidget *dialog) { Choose(dialog, "cbCopmut", 1); });
    f.action("N4")->trigger();
    QCOMPARE(f.ws->All.ModelName, QStringLiteral("Orvel(VHF)"));
    QCOMPARE(f.ws->All.BandText, QStringLiteral("150 - 174MHz"));
    QCOMPARE(f.label("stModel"), QStringLiteral("Orvel(VHF)"));
    QCOMPARE(f.ws->Channels.Text(Rx, 2), QString());
    QCOMPARE(f.box.shown.size(), 2);

    // The default language list is Chinese|English: item 1 is English.
    WriteBytes(f.dir.filePath(QStringLiteral("English.Ini")),
               "[Language]\nConfirmation=Prompt\n[fMainFrm]\nE1.Caption=Edit &Channel\n");
    WhenDialogShows([](QWidget *dialog) { Choose(dialog, "cbLanguage", 1); });
    f.action("nLanguage")->trigger();
    QCOMPARE(f.ws->All.LanguageName, QStringLiteral("English"));
    QCOMPARE(f.ws->All.LanguageIndex, 1);
    QCOMPARE(f.ws->Language.Confirmation, QStringLiteral("Prompt"));
    QCOMPARE(f.action("E1")->text(), QStringLiteral("Edit &Channel"));

    WhenDialogShows([](QWidget *dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("fFrmAbout"));
        QTest::mouseClick(dialog, Qt::LeftButton);
    });
    f.action("nAbout")->trigger();
    QVERIFY(!QApplication::activeModalWidget());
}

// The editing commands open their dialog over the main window, set up as
// the table stands, and leave nothing behind when it is closed unchanged.
void TestMainWindow::editingCommands_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("form");
    QTest::newRow("channel edit") << int(CmdChannelEdit) << "fBInfoEdit";
    QTest::newRow("batch channel edit") << int(CmdBatchEdit) << "fBBatchEdit";
    QTest::newRow("function setting") << int(CmdFunctionSetting) << "fBFunSet";
    QTest::newRow("test frequency") << int(CmdTestFrequency) << "fTestFrequency";
    QTest::newRow("embedded message") << int(CmdEmbeddedMessage) << "fEmbeddedMessage";
}

void TestMainWindow::editingCommands()
{
    QFETCH(int, number);
    QFETCH(QString, form);
    Frame f;
    f.show();
    TypeChannel(*f.ws, 3, QStringLiteral("462.5"));
    f.ws->All.Modified = false;
    QTableView *grid = f.window->ChInfo()->Grid();
    grid->setCurrentIndex(grid->model()->index(2, Rx - 1)); // channel 3
    const QStringList before = RowTexts(f.ws->Channels, 4);

    QString shown;
    QWidget *parent = nullptr;
    int channel = 0;
    int maximum = 0;
    WhenDialogShows([&](QWidget *dialog) {
        shown = dialog->objectName();
        parent = dialog->parentWidget();
        if (auto *spin = dialog->findChild<QSpinBox *>(QStringLiteral("sexd"))) {
            channel = spin->value();
            maximum = spin->maximum();
        }
        if (auto *spin = dialog->findChild<QSpinBox *>(QStringLiteral("seTo")))
            maximum = spin->maximum();
        static_cast<QDialog *>(dialog)->reject();
    });
    f.window->Dispatch(number);
    QCOMPARE(shown, form);
    QCOMPARE(parent, f.window.get());
    QVERIFY(!QApplication::activeModalWidget());
    if (number == CmdChannelEdit)
        QCOMPARE(channel, 3);
    if (number == CmdChannelEdit || number == CmdBatchEdit)
        QCOMPARE(maximum, 16);
    QCOMPARE(RowTexts(f.ws->Channels, 4), before);
    QVERIFY(!f.ws->All.Modified);
    QVERIFY(f.box.shown.isEmpty());
}

void TestMainWindow::aboutBox()
{
    Frame f;
    WriteBytes(f.dir.filePath(QStringLiteral("Chinese.Ini")),
               "[fFrmAbout]\nCaption=Not this\nLabel1.Caption=Orvel programmer\n"
               "Label5.Caption=line five\nLabel6.Caption=line six\nLabel7.Caption=line seven\n");
    f.show();
    QCOMPARE(f.ws->All.LanguageIndex, 0); // translated all the same
    TfFrmAbout about(f.ws->All, f.window.get());
    about.show();
    QCOMPARE(about.objectName(), QStringLiteral("fFrmAbout"));
    QCOMPARE(about.windowTitle(), QStringLiteral("Orvel"));
    QCOMPARE(about.findChild<QLabel *>("Label1")->text(), QStringLiteral("Orvel programmer"));
    QCOMPARE(about.findChild<QLabel *>("Label9")->text(), QStringLiteral("6"));
    QVERIFY(!about.findChild<QWidget *>("Panel1")->isVisible());
    QCOMPARE(about.MemoText(), QStringLiteral("line five\nline six\n\nline seven"));
    QTest::mouseClick(about.findChild<QLabel *>("Label2"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

void TestMainWindow::helpFile_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("opened"); // empty: nothing opened

    const QStringList all{"QN_Chinese.chm", "QN_Chinese.html", "QN_English.html"};
    QTest::newRow("compiled help first") << all << "Chinese" << "QN_Chinese.chm";
    QTest::newRow("manual of the language") << QStringList{"QN_Chinese.html", "QN_English.html"}
                                            << "Chinese" << "QN_Chinese.html";
    QTest::newRow("English manual as fallback") << QStringList{"QN_English.html"} << "German"
                                                << "QN_English.html";
    QTest::newRow("empty language name") << QStringList{"QN_English.html"} << "" << "QN_English.html";
    QTest::newRow("path in language name") << QStringList{"QN_English.html"} << "../x"
                                           << "QN_English.html";
    QTest::newRow("nothing: nothing opened") << QStringList{} << "English" << "";
}

void TestMainWindow::helpFile()
{
    QFETCH(QStringList, present);
    QFETCH(QString, language);
    QFETCH(QString, opened);
    Frame f;
    f.show();
    for (const QString &name : present)
        WriteBytes(f.dir.filePath(name), "help");
    f.ws->All.LanguageName = language;
    if (opened.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No help file"));
    f.action("tbHelp")->trigger();
    if (opened.isEmpty()) {
        QVERIFY(f.launched.isEmpty());
    } else {
        QCOMPARE(f.launched.size(), 1);
        QCOMPARE(f.launched.first().toLocalFile(), f.folder() + opened);
    }
    QVERIFY(f.box.shown.isEmpty());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

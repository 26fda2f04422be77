// The file commands New, Open, Save and Save As: their questions, dialogs
// and failures, and that unsaved work is never dropped silently.

#include "ScriptedFileChooser.h"
#include "core/Workspace.h"
#include "image/DataFile.h"
#include "image/FileCommands.h"
#include "support/Fixtures.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempFiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int Rx = TChannelStore::ColRx;

// What the chooser answers: a token of the test table turned into a path.
enum class Pick { Cancel, Good, Unwritable };

struct Bench {
    std::unique_ptr<TWorkspace> ws = NewWorkspace();
    ScriptedMsgBox box;
    ScriptedFileChooser chooser;
    TFileCommands files{*ws, box, chooser};
};

QByteArray NewWorkspaceImage()
{
    return EncodeDataFile(*NewWorkspace(), QDateTime::currentDateTime());
}

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString pickPath(Pick pick, const QString &name) const
    {
        switch (pick) {
        case Pick::Cancel: return {};
        case Pick::Good: return path(name);
        case Pick::Unwritable: return path(QStringLiteral("missing-folder/") + name);
        }
        return {};
    }
    // A data file holding one VHF channel, to open.
    QString vhfFile()
    {
        auto other = NewWorkspace(1);
        TypeChannel(*other, 1, QStringLiteral("151.5"));
        other->EnMsg.MessageA = QStringLiteral("FROM FILE");
        const QString p = path(QStringLiteral("vhf.dat"));
        if (!SaveDataFile(p, *other).ok())
            qFatal("cannot prepare %s", qPrintable(p));
        return p;
    }

private slots:
    void offeredSave_data();
    void offeredSave();
    void openRefusedKeepsEverything_data();
    void openRefusedKeepsEverything();
    void openLoadsAndNamesTheFile();
    void saveWithAndWithoutName();
    void failedSaveKeepsOldFileAndModified();
    void saveAsAlwaysAsksForName();
    void saveAsCancelledLeavesNoName();
    void suffixAppended_data();
    void suffixAppended();
};

// New and Open after the SaveProgram question: what the user answers, what
// the save dialog gives, and whether the command goes on.
void TestFileCommands::offeredSave_data()
{
    QTest::addColumn<bool>("isOpen");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<Pick>("savePick");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("saved");

    for (const bool isOpen : {false, true}) {
        const char *cmd = isOpen ? "Open" : "New";
        auto row = [&](const char *name) -> QTestData & {
            return QTest::addRow("%s: %s", cmd, name) << isOpen;
        };
        row("unmodified: no question") << false << int(IdYes) << Pick::Cancel << true << 0 << false;
        row("modified, No: discarded") << true << int(IdNo) << Pick::Cancel << true << 1 << false;
        row("modified, Yes, saved") << true << int(IdYes) << Pick::Good << true << 1 << true;
        row("modified, Yes, dialog cancelled: stops") << true << int(IdYes) << Pick::Cancel << false << 1 << false;
        row("modified, Yes, save fails: stops") << true << int(IdYes) << Pick::Unwritable << false << 2 << false;
    }
}

void TestFileCommands::offeredSave()
{
    QFETCH(bool, isOpen);
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(Pick, savePick);
    QFETCH(bool, goesOn);
    QFETCH(int, questions);
    QFETCH(bool, saved);

    Bench b;
    const QString toOpen = vhfFile();
    TypeChannel(*b.ws, 3, QStringLiteral("455.5"));
    b.ws->EnMsg.MessageB = QStringLiteral("MINE");
    b.ws->All.Modified = modified;
    b.box.answers = {answer};
    const QString savePath = pickPath(savePick, QStringLiteral("offered.dat"));
    QFile::remove(path(QStringLiteral("offered.dat")));
    if (!savePath.isEmpty())
        b.chooser.saveAnswers = {savePath};
    b.chooser.openAnswers = {toOpen};

    const bool result = isOpen ? b.files.Open() : b.files.New();

    QCOMPARE(result, goesOn);
    QCOMPARE(b.box.shown.size(), questions);
    if (questions > 0)
        QCOMPARE(b.box.shown.first().text, b.ws->Language.SaveProgram);
    QCOMPARE(QFileInfo::exists(path(QStringLiteral("offered.dat"))), saved);
    if (!goesOn) {
        // Nothing discarded: the table, the settings, the flag and the
        // (empty) file name as they were; no file dialog for Open.
        QCOMPARE(b.ws->Channels.Text(Rx, 4), QStringLiteral("455.50000"));
        QCOMPARE(b.ws->EnMsg.MessageB, QStringLiteral("MINE"));
        QVERIFY(b.ws->All.Modified);
        QCOMPARE(b.files.FileName(), QString());
        QCOMPARE(b.chooser.openAsked, 0);
        return;
    }
    QVERIFY(!b.ws->All.Modified);
    QCOMPARE(b.ws->Channels.Text(Rx, 4), QString());
    if (isOpen) {
        QCOMPARE(b.files.FileName(), toOpen);
        QCOMPARE(b.ws->Channels.Text(Rx, 2), QStringLiteral("151.50000"));
        QCOMPARE(b.ws->EnMsg.MessageA, QStringLiteral("FROM FILE"));
    } else {
        QCOMPARE(b.files.FileName(), QString());
        QCOMPARE(b.ws->EnMsg.MessageB, QString());
        QCOMPARE(b.ws->Channels.RowCount(), 18);
    }
    if (saved) {
        auto back = NewWorkspace();
        QVERIFY(LoadDataFile(path(QStringLiteral("offered.dat")), *back).ok());
        QCOMPARE(back->Channels.Text(Rx, 4), QStringLiteral("455.50000"));
    }
}

// A file chosen in Open that cannot be taken: one message, and the file
// name, the table and the flag keep their values.
void TestFileCommands::openRefusedKeepsEverything_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no such file
    QTest::addColumn<QString>("message");    // the message table's field, or "" for a system text

    QByteArray unknown(992, char(0xFF));
    unknown.replace(0, 5, "P9999");
    QTest::newRow("missing file") << QByteArray() << QString();
    QTest::newRow("unknown model code") << unknown << QStringLiteral("ModError");
    QTest::newRow("too short") << NewWorkspaceImage().left(100) << QStringLiteral("BadFile");
}

void TestFileCommands::openRefusedKeepsEverything()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);

    Bench b;
    const QString chosen = path(QStringLiteral("refused.dat"));
    QFile::remove(chosen);
    if (!content.isEmpty())
        WriteBytes(chosen, content);
    TypeChannel(*b.ws, 1, QStringLiteral("460"));
    b.ws->All.Modified = false;
    b.files.SetFileName(QStringLiteral("/previous/radio.dat"));
    b.chooser.openAnswers = {chosen};

    QVERIFY(!b.files.Open());

    QCOMPARE(b.files.FileName(), QStringLiteral("/previous/radio.dat"));
    QCOMPARE(b.ws->Channels.Text(Rx, 2), QStringLiteral("460.00000"));
    QVERIFY(!b.ws->All.Modified);
    QCOMPARE(b.box.shown.size(), 1);
    QCOMPARE(b.box.shown.first().kind, int(MsgInformation));
    QCOMPARE(b.box.shown.first().caption, b.ws->Language.Confirmation);
    if (message == u"ModError")
        QCOMPARE(b.box.shown.first().text, b.ws->Language.ModError);
    else if (message == u"BadFile")
        QCOMPARE(b.box.shown.first().text, b.ws->Language.BadFile);
    else
        QVERIFY(b.box.shown.first().text.contains(chosen));
}

void TestFileCommands::openLoadsAndNamesTheFile()
{
    Bench b;
    const QString file = vhfFile();
    QSignalSpy status(&b.files, &TFileCommands::StatusChanged);
    b.chooser.openAnswers = {file};
    QVERIFY(b.files.Open());
    QCOMPARE(b.files.FileName(), file);
    QCOMPARE(b.ws->All.ModelName, QStringLiteral("Orvel(VHF)"));
    QVERIFY(!status.isEmpty());

    // Cancelling the open dialog changes nothing.
    b.ws->All.Modified = false;
    QVERIFY(!b.files.Open());
    QCOMPARE(b.files.FileName(), file);
}

void TestFileCommands::saveWithAndWithoutName()
{
    Bench b;
    TypeChannel(*b.ws, 1, QStringLiteral("460"));
    // No name: the dialog is asked, cancelled, nothing changes.
    QVERIFY(!b.files.Save());
    QCOMPARE(b.chooser.saveAsked, 1);
    QVERIFY(b.ws->All.Modified);
    QCOMPARE(b.files.FileName(), QString());

    const QString file = path(QStringLiteral("saved.dat"));
    b.chooser.saveAnswers = {file};
    QVERIFY(b.files.Save());
    QCOMPARE(b.files.FileName(), file);
    QVERIFY(!b.ws->All.Modified);
    QCOMPARE(ReadBytes(file).size(), 992);

    // With a name: written again without a dialog.
    TypeChannel(*b.ws, 2, QStringLiteral("461"));
    QVERIFY(b.files.Save());
    QCOMPARE(b.chooser.saveAsked, 2);
    QVERIFY(!b.ws->All.Modified);
}

void TestFileCommands::failedSaveKeepsOldFileAndModified()
{
    Bench b;
    const QString file = path(QStringLiteral("old.dat"));
    TypeChannel(*b.ws, 1, QStringLiteral("460"));
    b.files.SetFileName(file);
    QVERIFY(b.files.Save());
    const QByteArray before = ReadBytes(file);

    TypeChannel(*b.ws, 2, QStringLiteral("462"));
    b.ws->All.CurrentModel = nullptr; // nothing to encode: the save is refused
    QVERIFY(!b.files.Save());
    QCOMPARE(ReadBytes(file), before);
    QVERIFY(b.ws->All.Modified);
    QCOMPARE(b.files.FileName(), file);
    QCOMPARE(b.box.shown.size(), 1);

    // A path that cannot be created: message, no file name taken.
    b.ws->All.CurrentModel = b.ws->Models.Item(0);
    b.box.shown.clear();
    b.chooser.saveAnswers = {pickPath(Pick::Unwritable, QStringLiteral("new.dat"))};
    QVERIFY(!b.files.SaveAs());
    QCOMPARE(b.box.shown.size(), 1);
    QVERIFY(b.box.shown.first().text.contains(QStringLiteral("missing-folder")));
    QCOMPARE(b.files.FileName(), QString());
    QVERIFY(b.ws->All.Modified);
}

void TestFileCommands::saveAsAlwaysAsksForName()
{
    Bench b;
    const QString first = path(QStringLiteral("first.dat"));
    const QString second = path(QStringLiteral("second.dat"));
    b.files.SetFileName(first);
    b.chooser.saveAnswers = {second};
    QVERIFY(b.files.SaveAs());
    QCOMPARE(b.chooser.saveAsked, 1);
    QCOMPARE(b.files.FileName(), second);
    QVERIFY(QFileInfo::exists(second));
    QVERIFY(!QFileInfo::exists(first));
}

void TestFileCommands::saveAsCancelledLeavesNoName()
{
    Bench b;
    b.files.SetFileName(path(QStringLiteral("named.dat")));
    b.ws->All.Modified = true;
    QVERIFY(!b.files.SaveAs());
    QCOMPARE(b.files.FileName(), QString());
    QVERIFY(b.ws->All.Modified);
    // The next Save asks for a name again.
    QVERIFY(!b.files.Save());
    QCOMPARE(b.chooser.saveAsked, 2);
}

void TestFileCommands::suffixAppended_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("used");
    QTest::newRow("no extension") << "/d/radio" << "/d/radio.dat";
    QTest::newRow("dat") << "/d/radio.dat" << "/d/radio.dat";
    QTest::newRow("other extension kept") << "/d/radio.bak" << "/d/radio.bak";
    QTest::newRow("dot in folder only") << "/d.x/radio" << "/d.x/radio.dat";
    QTest::newRow("cancelled") << "" << "";
}

void TestFileCommands::suffixAppended()
{
    QFETCH(QString, typed);
    QFETCH(QString, used);
    QCOMPARE(WithDataFileSuffix(typed), used);
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"

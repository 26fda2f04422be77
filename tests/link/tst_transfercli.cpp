// orvel-cli read and write as a user runs them, against orvel-cli simulate
// (pacing off): the file read, the radio written and verified, the model
// question answered by --force, time-outs, and the exit statuses.

#include "FlowHarness.h"
#include "support/CliProcess.h"
#include "support/Fixtures.h"
#include "core/Maindb.h"
#include "core/Workspace.h"
#include "image/DataFile.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Run = CliRun;

Run cli(const QStringList &arguments)
{
    return RunProcess(QStringLiteral(ORVEL_CLI), arguments, 15000);
}

// A simulated radio for the length of a test, unpaced.
struct Simulator : SimulatorProcess {
    explicit Simulator(const QStringList &arguments)
        : SimulatorProcess(QStringLiteral(ORVEL_CLI), QStringList{QStringLiteral("--pace"), QStringLiteral("off")} + arguments)
    {
    }
};

// A data file of the filled workspace.
QString sampleFile(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("sample.dat"));
    auto ws = FilledWorkspace();
    if (!SaveDataFile(path, *ws).ok())
        qFatal("cannot save the sample");
    return path;
}

std::unique_ptr<TWorkspace> loaded(const QString &path)
{
    auto ws = NewWorkspace(1);
    if (!LoadDataFile(path, *ws).ok())
        return nullptr;
    return ws;
}

} // namespace


// The messages orvel-cli shows: those of the language set beside it.
static const TLanguage &CliMessages()
{
    static TWorkspace ws;
    static const bool loaded = [] {
        DataModuleCreate(ws, AppFolderOf(QStringLiteral(ORVEL_CLI)));
        return true;
    }();
    Q_UNUSED(loaded);
    return ws.Language;
}

class TestTransferCli : public QObject {
    Q_OBJECT
private slots:
    void readSavesWhatTheRadioHolds()
    {
        QTemporaryDir dir;
        const QString image = sampleFile(dir);
        Simulator radio({QStringLiteral("--image"), image});
        QVERIFY(!radio.port.isEmpty());
        const QString out = dir.filePath(QStringLiteral("read.dat"));
        const Run run = cli({QStringLiteral("read"), QStringLiteral("--port"), radio.port, QStringLiteral("-o"), out});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.isEmpty());
        auto expected = loaded(image);
        auto got = loaded(out);
        QVERIFY(expected && got);
        QCOMPARE(TableTexts(*got), TableTexts(*expected));
        QCOMPARE(got->EnMsg.MessageA, expected->EnMsg.MessageA);
        QVERIFY(got->Fun == expected->Fun);
    }

    void writeAndVerify()
    {
        QTemporaryDir dir;
        const QString image = sampleFile(dir);
        const QString saved = dir.filePath(QStringLiteral("radio.dat"));
        Simulator radio({QStringLiteral("--save-to"), saved});
        QVERIFY(!radio.port.isEmpty());
        const Run run = cli({QStringLiteral("write"), QStringLiteral("--port"), radio.port, image,
                             QStringLiteral("--verify")});
        QCOMPARE(run.status, 0);
        auto expected = loaded(image);
        QVERIFY(RunUntil([&] { return QFile::exists(saved); }, 3000));
        auto got = loaded(saved);
        QVERIFY(expected && got);
        QCOMPARE(TableTexts(*got), TableTexts(*expected));
        QCOMPARE(got->EnMsg.MessageB, expected->EnMsg.MessageB);
    }

    // Another model in the radio: without --force the command stops at the
    // question.
    void forceAnswersTheModelQuestion_data()
    {
        QTest::addColumn<bool>("force");
        QTest::addColumn<int>("status");
        QTest::newRow("without --force") << false << 1;
        QTest::newRow("with --force") << true << 0;
    }
    void forceAnswersTheModelQuestion()
    {
        QFETCH(bool, force);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString image = sampleFile(dir);
        Simulator radio({QStringLiteral("--model"), QStringLiteral("6841")});
        QVERIFY(!radio.port.isEmpty());
        QStringList arguments{QStringLiteral("write"), QStringLiteral("--port"), radio.port, image};
        if (force)
            arguments << QStringLiteral("--force");
        const Run run = cli(arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(CliMessages().Modforce), qPrintable(run.err));
    }

    void timeOutEndsTheCommand()
    {
        QTemporaryDir dir;
        Simulator radio({QStringLiteral("--fault"), QStringLiteral("no-answer@6")});
        QVERIFY(!radio.port.isEmpty());
        const QString out = dir.filePath(QStringLiteral("read.dat"));
        const Run run = cli({QStringLiteral("read"), QStringLiteral("--port"), radio.port, QStringLiteral("-o"), out});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(QStringLiteral("[cancel]")), qPrintable(run.err));
        QVERIFY(!QFile::exists(out));
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("read without -o") << QStringList{"read", "--port", "/dev/null"} << 2;
        QTest::newRow("read without --port") << QStringList{"read", "-o", "x.dat"} << 2;
        QTest::newRow("write without --port") << QStringList{"write", "x.dat"} << 2;
        QTest::newRow("port naming nothing") << QStringList{"read", "--port", "COMx", "-o", "x.dat"} << 2;
        QTest::newRow("read --help") << QStringList{"read", "--help"} << 0;
        QTest::newRow("missing device") << QStringList{"read", "--port", "/dev/orvel-none", "-o", "x.dat"} << 1;
    }
    void usage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QCOMPARE(cli(arguments).status, status);
    }
};

QTEST_GUILESS_MAIN(TestTransferCli)
#include "tst_transfercli.moc"

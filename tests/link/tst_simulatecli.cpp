// orvel-cli ports and simulate as a user runs them: the port line first,
// sessions served, the radio saved after each, a clean stop on SIGTERM, and
// the options it refuses.

#include "support/CliProcess.h"
#include "support/Fixtures.h"
#include "image/DataFile.h"
#include "link/QtSerialLine.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kWake = Hex("02 50 52 4F 47 52 41 4E");

using Run = CliRun;

Run cli(const QStringList &arguments)
{
    return RunProcess(QStringLiteral(ORVEL_CLI), arguments, 10000);
}

// Starts simulate and returns the device of its first output line.
QString startSimulator(QProcess &p, const QStringList &arguments)
{
    return StartSimulator(p, QStringLiteral(ORVEL_CLI), arguments);
}

// Sends request and waits (bounded) for count bytes.
QByteArray exchange(TSerialLine &line, const QByteArray &request, int count)
{
    line.Send(request);
    QByteArray bytes;
    QElapsedTimer t;
    t.start();
    while (bytes.size() < count && t.elapsed() < 2000) {
        QTest::qWait(1);
        bytes += line.TakeAll();
    }
    return bytes;
}

} // namespace

class TestSimulateCli : public QObject {
    Q_OBJECT
private slots:
    void portsListsOrSaysNone();
    void refusedOptions_data();
    void refusedOptions();
    void servesSessionsAndSavesAfterEach();
    void disappearEndsTheSimulator();
};

void TestSimulateCli::portsListsOrSaysNone()
{
    const Run run = cli({QStringLiteral("ports")});
    QCOMPARE(run.status, 0);
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    if (lines.first() != QStringLiteral("No serial port was found.")) {
        for (const QString &line : lines) {
            if (line.startsWith(QStringLiteral("COM")))
                QVERIFY2(line.endsWith(QStringLiteral("free")) || line.endsWith(QStringLiteral("busy"))
                             || line.endsWith(QStringLiteral("no permission")),
                         qPrintable(line));
        }
    }
    QCOMPARE(cli({QStringLiteral("ports"), QStringLiteral("extra")}).status, 2);
}

void TestSimulateCli::refusedOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::newRow("pace neither on nor off") << QStringList{"--pace", "fast"} << 2;
    QTest::newRow("model code of five characters") << QStringList{"--model", "12345"} << 2;
    QTest::newRow("unknown fault") << QStringList{"--fault", "boom@1"} << 2;
    QTest::newRow("save-to with a model outside the catalogue")
        << QStringList{"--model", "ABCD", "--save-to", "radio.dat"} << 2;
    QTest::newRow("a file argument") << QStringList{"radio.dat"} << 2;
    QTest::newRow("missing image") << QStringList{"--image", "/nonexistent/radio.dat"} << 1;
}

void TestSimulateCli::refusedOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    const Run run = cli(QStringList{QStringLiteral("simulate")} + arguments);
    QCOMPARE(run.status, status);
    QVERIFY(run.out.isEmpty()); // no port line: nothing was started
    QVERIFY(!run.err.isEmpty());
}

void TestSimulateCli::servesSessionsAndSavesAfterEach()
{
    QTemporaryDir dir;
    auto ws = NewWorkspace(0);
    TypeChannel(*ws, 3, QStringLiteral("446.00625"));
    ws->EnMsg.MessageA = QStringLiteral("SIMULATED");
    const QString image = dir.filePath(QStringLiteral("image.dat"));
    QVERIFY(SaveDataFile(image, *ws).ok());
    const QString saved = dir.filePath(QStringLiteral("saved.dat"));

    QProcess p;
    const QString device = startSimulator(p, {"--pace", "off", "--image", image, "--save-to", saved});
    QVERIFY2(device.startsWith(QStringLiteral("/dev/")), qPrintable(p.readAllStandardError()));

    TQtSerialLine line;
    QString log;
    auto logged = [&] { return log += QString::fromUtf8(p.readAllStandardError()); };
    for (int session = 1; session <= 2; ++session) {
        QVERIFY(line.Open(device, TLineSettings{}).ok());
        QCOMPARE(exchange(line, kWake, 1), Hex("06"));
        QCOMPARE(exchange(line, Hex("02"), 8).mid(1, 4), QByteArray("6842"));
        QCOMPARE(exchange(line, Hex("06"), 1), Hex("06"));
        line.Send(Hex("45"));
        QTRY_COMPARE_WITH_TIMEOUT(logged().count(QStringLiteral("saved to")), session, 5000);
        QVERIFY(log.contains(QStringLiteral("session %1 ended").arg(session)));
        line.Close();
    }

    auto back = NewWorkspace(1);
    QVERIFY(LoadDataFile(saved, *back).ok());
    QCOMPARE(back->All.CurrentModel->Code, QStringLiteral("6842"));
    QCOMPARE(back->EnMsg.MessageA, QStringLiteral("SIMULATED"));
    QCOMPARE(back->Channels.ReadChannelRow(4), ws->Channels.ReadChannelRow(4));

    p.terminate(); // SIGTERM
    QVERIFY(p.waitForFinished(5000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
}

void TestSimulateCli::disappearEndsTheSimulator()
{
    QProcess p;
    const QString device = startSimulator(p, {"--pace", "off", "--fault", "disappear@1"});
    QVERIFY(!device.isEmpty());
    TQtSerialLine line;
    QVERIFY(line.Open(device, TLineSettings{}).ok());
    line.Send(kWake); // goes out from the event loop
    QTRY_COMPARE_WITH_TIMEOUT(p.state(), QProcess::NotRunning, 5000);
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("disappeared")));
}

QTEST_GUILESS_MAIN(TestSimulateCli)
#include "tst_simulatecli.moc"

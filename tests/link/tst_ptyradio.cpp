// The real serial line against the simulated radio on a pseudo-terminal:
// exchanges, sessions one after another on the same terminal, the radio
// vanishing mid-session, and the ways an open fails.

#include "support/Fixtures.h"
#include "link/PtyRadio.h"
#include "link/QtSerialLine.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <ctime>

namespace {

const QByteArray kWake = Hex("02 50 52 4F 47 52 41 4E");

// Collects what the line delivers, as a transfer's receive handler does.
class Receiver : public QObject {
public:
    explicit Receiver(TSerialLine &line) : m_line(line)
    {
        connect(&line, &TSerialLine::DataWaiting, this, [this] {
            ++notifications;
            bytes += m_line.TakeAll();
        });
    }
    // Sends request and waits (bounded) for count reply bytes.
    QByteArray exchange(const QByteArray &request, int count)
    {
        bytes.clear();
        m_line.Send(request);
        QElapsedTimer t;
        t.start();
        while (bytes.size() < count && t.elapsed() < 2000)
            QTest::qWait(1);
        return bytes;
    }
    QByteArray bytes;
    int notifications = 0;

private:
    TSerialLine &m_line;
};

} // namespace

class TestPtyRadio : public QObject {
    Q_OBJECT
private slots:
    void sessionOverThePseudoTerminal();
    void sessionsFollowOneAnother();
    void pacedRepliesTakeTheLineTime();
    void radioDisappearingGivesOneLost();
    void openErrors();
    void secondOpenIsBusy();
    void stopIsPromptWithRepliesPending();
    void waitingForTheWakeUpLettersIsIdle();
};

void TestPtyRadio::sessionOverThePseudoTerminal()
{
    TRadioSim sim(QStringLiteral("6842"));
    QByteArray memory(TRadioSim::MemorySize, char(0xFF));
    memory.replace(0x10, 8, Hex("01 02 03 04 05 06 07 08"));
    sim.SetMemory(memory);
    TPtyRadio radio(sim, false);
    QString error;
    QVERIFY2(radio.Start(&error), qPrintable(error));
    QVERIFY(radio.DevicePath().startsWith(QStringLiteral("/dev/pts/")));
    QSignalSpy ended(&radio, &TPtyRadio::SessionEnded);

    TQtSerialLine line;
    const TOpenResult opened = line.Open(radio.DevicePath(), TLineSettings{});
    QVERIFY2(opened.ok(), qPrintable(opened.detail));
    QCOMPARE(line.RequestedSettings(), TLineSettings{});
    Receiver rx(line);

    QCOMPARE(rx.exchange(kWake, 1), Hex("06"));
    QCOMPARE(rx.exchange(Hex("02"), 8), QByteArrayLiteral("P6842") + QByteArray(3, '\0'));
    QCOMPARE(rx.exchange(Hex("06"), 1), Hex("06"));
    QCOMPARE(rx.exchange(Hex("52 00 10 08"), 12), Hex("57 00 10 08 01 02 03 04 05 06 07 08"));
    QCOMPARE(rx.exchange(Hex("57 00 20 08 AA BB CC DD EE FF 00 11"), 1), Hex("06"));
    line.Send(Hex("45"));
    QTRY_COMPARE_WITH_TIMEOUT(line.PendingOutput(), qint64(0), 2000); // the end command's drain wait
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 2000);
    QCOMPARE(ended.first().at(0).toInt(), 1); // read requests
    QCOMPARE(ended.first().at(1).toInt(), 1); // write frames
    QCOMPARE(radio.Sessions(), 1);

    const QList<QByteArray> frames = {kWake,
                                      Hex("02"),
                                      Hex("06"),
                                      Hex("52 00 10 08"),
                                      Hex("57 00 20 08 AA BB CC DD EE FF 00 11"),
                                      Hex("45")};
    QCOMPARE(radio.Frames(), frames);
    QCOMPARE(radio.Memory().mid(0x20, 8), Hex("AA BB CC DD EE FF 00 11"));
}

void TestPtyRadio::sessionsFollowOneAnother()
{
    TPtyRadio radio(TRadioSim(QStringLiteral("6841")), false);
    QVERIFY(radio.Start(nullptr));
    for (int session = 1; session <= 2; ++session) {
        // The program closes and reopens the port between transfers; the
        // terminal stays usable.
        TQtSerialLine line;
        QVERIFY(line.Open(radio.DevicePath(), TLineSettings{}).ok());
        Receiver rx(line);
        QCOMPARE(rx.exchange(kWake, 1), Hex("06"));
        QCOMPARE(rx.exchange(Hex("02"), 8).mid(1, 4), QByteArray("6841"));
        line.Send(Hex("45"));
        QTRY_COMPARE_WITH_TIMEOUT(radio.Sessions(), session, 2000);
        line.Close();
    }
    QVERIFY(radio.Serving());
}

void TestPtyRadio::pacedRepliesTakeTheLineTime()
{
    TPtyRadio radio(TRadioSim(QStringLiteral("6842")), true);
    QVERIFY(radio.Start(nullptr));
    TQtSerialLine line;
    QVERIFY(line.Open(radio.DevicePath(), TLineSettings{}).ok());
    Receiver rx(line);
    QCOMPARE(rx.exchange(kWake, 1), Hex("06"));
    QCOMPARE(rx.exchange(Hex("02"), 8).size(), 8);
    QCOMPARE(rx.exchange(Hex("06"), 1), Hex("06"));
    // 4 bytes out and 12 back cannot take less than 16 byte times.
    QElapsedTimer t;
    t.start();
    QCOMPARE(rx.exchange(Hex("52 00 00 08"), 12).size(), 12);
    QVERIFY2(t.nsecsElapsed() >= 16 * 1'145'833LL, qPrintable(QString::number(t.nsecsElapsed())));
    QVERIFY(rx.notifications > 1); // the reply came byte by byte, not in one piece
}

void TestPtyRadio::radioDisappearingGivesOneLost()
{
    TRadioSim sim(QStringLiteral("6842"));
    TRadioSim::Fault gone;
    gone.kind = TRadioSim::FaultKind::Disappear;
    gone.frame = 2;
    sim.AddFault(gone);
    TPtyRadio radio(sim, false);
    QVERIFY(radio.Start(nullptr));
    QSignalSpy disappeared(&radio, &TPtyRadio::Disappeared);

    TQtSerialLine line;
    QVERIFY(line.Open(radio.DevicePath(), TLineSettings{}).ok());
    QSignalSpy lost(&line, &TSerialLine::Lost);
    Receiver rx(line);
    QCOMPARE(rx.exchange(kWake, 1), Hex("06"));
    line.Send(Hex("02"));
    QTRY_COMPARE_WITH_TIMEOUT(lost.size(), 1, 2000);
    QVERIFY(!line.IsOpen());
    QTRY_COMPARE(disappeared.size(), 1);
    QVERIFY(!radio.Serving());
    const int notifications = rx.notifications;
    QTest::qWait(200);
    QCOMPARE(lost.size(), 1);
    QCOMPARE(rx.notifications, notifications); // nothing more arrives
    line.Send(Hex("06"));                       // ignored on a closed line
    QVERIFY(line.TakeAll().isEmpty());
}

void TestPtyRadio::openErrors()
{
    TQtSerialLine line;
    QCOMPARE(line.Open(QStringLiteral("/dev/pts/no-such-terminal"), TLineSettings{}).error, TOpenError::NotFound);
    QCOMPARE(line.Open(QString(), TLineSettings{}).error, TOpenError::BadName);
    QVERIFY(!line.IsOpen());
    line.Close(); // closing a closed line does nothing
}

void TestPtyRadio::secondOpenIsBusy()
{
    TPtyRadio radio(TRadioSim(QStringLiteral("6842")), false);
    QVERIFY(radio.Start(nullptr));
    TQtSerialLine first;
    TQtSerialLine second;
    QVERIFY(first.Open(radio.DevicePath(), TLineSettings{}).ok());
    const TOpenResult again = second.Open(radio.DevicePath(), TLineSettings{});
    QCOMPARE(again.error, TOpenError::Busy);
    QVERIFY(!again.detail.isEmpty());
    first.Close();
    QVERIFY(second.Open(radio.DevicePath(), TLineSettings{}).ok());
}

void TestPtyRadio::stopIsPromptWithRepliesPending()
{
    TRadioSim sim(QStringLiteral("6842"));
    TRadioSim::Fault slow;
    slow.kind = TRadioSim::FaultKind::SlowReply;
    sim.AddFault(slow);
    auto radio = std::make_unique<TPtyRadio>(sim, true);
    QVERIFY(radio->Start(nullptr));
    TQtSerialLine line;
    QVERIFY(line.Open(radio->DevicePath(), TLineSettings{}).ok());
    line.Send(kWake);
    QTest::qWait(20);
    radio->Stop();
    QVERIFY(!radio->Serving());
    radio->Stop(); // twice is harmless
    radio.reset();
}

void TestPtyRadio::waitingForTheWakeUpLettersIsIdle()
{
    TPtyRadio radio(TRadioSim(QStringLiteral("6842")), true);
    QVERIFY(radio.Start(nullptr));
    TQtSerialLine line;
    QVERIFY(line.Open(radio.DevicePath(), TLineSettings{}).ok());
    Receiver rx(line);
    // The wake-up's 0x02, then longer than the quiet time before the
    // letters: the radio keeps the 0x02 and waits without spinning.
    line.Send(kWake.left(1));
    timespec before{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &before);
    QTest::qWait(300);
    timespec after{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &after);
    const double cpuMs = (after.tv_sec - before.tv_sec) * 1e3 + (after.tv_nsec - before.tv_nsec) / 1e6;
    QVERIFY2(cpuMs < 50, qPrintable(QString::number(cpuMs)));
    QCOMPARE(rx.exchange(kWake.mid(1), 1), Hex("06"));
}

QTEST_GUILESS_MAIN(TestPtyRadio)
#include "tst_ptyradio.moc"

// The write transfer over the test line, for what only a line can do: line
// errors, a read-back that differs, replies cut or joined, closing mid-way,
// output that never drains; and a model of more than 16 channels.

#include "WriteHarness.h"
#include "support/TestLine.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kPort = QStringLiteral("/dev/ttyTEST");

} // namespace

class TestWriteLine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qRegisterMetaType<TTransferOutcome>();
        g_source = FilledWorkspace();
    }

    // One ComError with an OK button, whenever the line error comes; Ok is
    // enabled again only when blocks were being written.
    void lineError_data()
    {
        QTest::addColumn<int>("frame");
        QTest::addColumn<bool>("okAfterwards");
        QTest::newRow("while writing") << writeFrame(6) << true;
        QTest::newRow("during the handshake") << 1 << false;
    }
    void lineError()
    {
        QFETCH(int, frame);
        QFETCH(bool, okAfterwards);
        TestLine line;
        line.Inject(TestLine::Injection::LineError, frame);
        WriteRun run(line, kPort);
        run.start();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::Failed);
        QCOMPARE(run.box.texts(), QStringList{run.ws->Language.ComError});
        QCOMPARE(run.box.shown.first().kind, int(MsgInformation));
        const int frames = int(line.Radio().Frames().size());
        RunFor(700); // no time-out question, no restart, nothing more sent
        QCOMPARE(run.box.shown.size(), 1);
        QCOMPARE(int(line.Radio().Frames().size()), frames);
        QCOMPARE(frames, frame);
        QCOMPARE(run.view.okEnabled, okAfterwards);
    }

    void verifyReportsTheFirstBlockThatDiffers()
    {
        TestLine line;
        line.corruptAddress = 960 + 3; // in the basic settings block
        WriteRun run(line, kPort);
        run.flow->SetVerify(true);
        run.start();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::VerifyFailed);
        QCOMPARE(run.flow->MismatchAddress(), 960);
        QCOMPARE(run.box.texts(), QStringList{run.ws->Language.VerifyError.arg(QStringLiteral("0x03C0 (960)"))});
        QVERIFY(run.view.okEnabled);
    }

    void receiveVariants_data()
    {
        QTest::addColumn<int>("injection"); // -1 none
        QTest::addColumn<bool>("split");
        QTest::newRow("surplus bytes with a write reply") << int(TestLine::Injection::Surplus) << false;
        QTest::newRow("every byte its own notification") << -1 << true;
    }
    void receiveVariants()
    {
        QFETCH(int, injection);
        QFETCH(bool, split);
        TestLine line;
        line.splitBytes = split;
        if (injection >= 0)
            line.Inject(TestLine::Injection(injection), writeFrame(2));
        WriteRun run(line, kPort);
        run.start();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::Success);
        QCOMPARE(line.Radio().Frames(), ExpectedWriteFrames(*run.ws));
    }

    // A model of more than 16 channels: the bitmap blocks after the extended
    // settings, and a bar of N + 10.
    void largeModelWritesTheBitmaps()
    {
        TestLine line(QStringLiteral("7777"));
        WriteRun run(line, kPort);
        StartWithModel(*run.ws, AddLargeModel(*run.ws));
        TypeChannel(*run.ws, 1, QStringLiteral("450.00000"));
        TypeChannel(*run.ws, 20, QStringLiteral("460.00000"));
        run.start();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::Success);
        const QList<QByteArray> frames = line.Radio().Frames();
        QCOMPARE(frames, ExpectedWriteFrames(*run.ws));
        const int extended = FrameIndex(frames, 0x59, 688);
        QVERIFY(extended > 0);
        int at = extended + 2;
        for (int address : {704, 720, 736, 752}) {
            QCOMPARE(FrameIndex(frames, 0x57, address), at);
            at += 2;
        }
        QCOMPARE(run.view.maximum, 42);
        // Channels 1 and 20 used, flags 1..8 in the first byte of the first
        // bitmap, 17..24 in its third.
        QCOMPARE(frames[extended + 2].mid(4, 4), Hex("01 00 08 00"));
    }

    void closeInTheMiddle()
    {
        TestLine line;
        WriteRun run(line, kPort);
        run.start();
        QVERIFY(RunUntil([&] { return run.view.position >= 4; }, kSettleMs));
        run.flow->Close();
        QVERIFY(!line.IsOpen());
        const QByteArray sent = line.sent;
        QVERIFY(run.waitSettled());
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::Closed);
        RunFor(300);
        QCOMPARE(line.sent, sent);
        QVERIFY(run.box.shown.isEmpty());
    }

    // The end command waits for the output to drain, but not for ever.
    void stuckOutputEndsTheDrainWait()
    {
        TestLine line;
        line.stuckOutput = true;
        WriteRun run(line, kPort);
        run.start();
        QVERIFY(RunUntil([&] { return line.sent.endsWith(char(0x45)); }, kSettleMs));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(RunUntil([&] { return run.settled->count() == 1; }, 8000));
        QVERIFY(clock.elapsed() >= 4500);
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::Success);
    }
};

QTEST_GUILESS_MAIN(TestWriteLine)
#include "tst_writeline.moc"

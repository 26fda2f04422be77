// The read transfer over the test line, for what only a line can do: line
// errors, replies cut or joined, closing and destroying mid-way, ports that
// do not open.

#include "ReadHarness.h"
#include "support/TestLine.h"

#include <QSignalSpy>
#include <QTest>

class TestReadLine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qRegisterMetaType<TTransferOutcome>();
        g_source = FilledWorkspace();
    }

    void asksForTheLinkLineSettings()
    {
        TestLine line;
        line.Radio().SetMemory(sourceMemory());
        ReadRun run(line, QStringLiteral("/dev/ttyTEST"));
        run.start();
        QVERIFY(run.waitSettled());
        QCOMPARE(line.device, QStringLiteral("/dev/ttyTEST"));
        const TLineSettings expected{9600, 8, 'N', 2, false};
        QCOMPARE(line.requested, expected);
        QVERIFY(line.discards >= 1); // the read side drops what the line held
    }

    // How replies may be cut or padded on the way: the read still succeeds.
    void receiveVariants_data()
    {
        QTest::addColumn<int>("injection"); // -1 none
        QTest::addColumn<int>("frame");
        QTest::addColumn<bool>("split");
        QTest::newRow("acknowledgement after a stray byte (00 06)") << int(TestLine::Injection::Stray) << 1 << false;
        QTest::newRow("every byte its own notification") << -1 << 0 << true;
        QTest::newRow("surplus bytes with a read reply") << int(TestLine::Injection::Surplus) << readRequestFrame(2)
                                                         << false;
        QTest::newRow("surplus bytes with the identification") << int(TestLine::Injection::Surplus) << 2 << false;
    }
    void receiveVariants()
    {
        QFETCH(int, injection);
        QFETCH(int, frame);
        QFETCH(bool, split);
        TestLine line;
        line.Radio().SetMemory(sourceMemory());
        line.splitBytes = split;
        if (injection >= 0)
            line.Inject(TestLine::Injection(injection), frame);
        ReadRun run(line, QStringLiteral("/dev/ttyTEST"));
        run.start();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::Success);
        QCOMPARE(line.Radio().Frames(), ExpectedReadFrames(*run.ws->Models.Item(0)));
        LoadReadChannels(*run.ws, run.flow->Result());
        QCOMPARE(TableTexts(*run.ws), TableTexts(*g_source));
        QCOMPARE(run.ws->EnMsg.MessageA, g_source->EnMsg.MessageA);
    }

    void firstLineErrorRestartsSilently()
    {
        TestLine line;
        line.Radio().SetMemory(sourceMemory());
        line.Inject(TestLine::Injection::LineError, readRequestFrame(4));
        ReadRun run(line, QStringLiteral("/dev/ttyTEST"));
        run.start();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::Success);
        QCOMPARE(run.box.texts(), QStringList{run.ws->Language.ReadOk});
        QCOMPARE(line.Radio().Frames().count(WakeUpFrame()), 2);
        QCOMPARE(run.settled->count(), 1);
    }

    // A second line error: ComError with OK while blocks are read, the
    // Retry question when it hits the handshake.
    void laterLineError_data()
    {
        QTest::addColumn<int>("secondFrame"); // counted over both attempts
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("outcome");
        // The first attempt ends at its frame 8; the second starts at 9.
        QTest::newRow("while reading") << 9 + readRequestFrame(3) - 1 << int(MsgInformation)
                                       << int(TTransferOutcome::Failed);
        QTest::newRow("during the handshake") << 9 << int(MsgRetryCancel) << int(TTransferOutcome::TimedOut);
    }
    void laterLineError()
    {
        QFETCH(int, secondFrame);
        QFETCH(int, kind);
        QFETCH(int, outcome);
        TestLine line;
        line.Radio().SetMemory(sourceMemory());
        line.Inject(TestLine::Injection::LineError, readRequestFrame(1));
        line.Inject(TestLine::Injection::LineError, secondFrame);
        ReadRun run(line, QStringLiteral("/dev/ttyTEST"));
        run.box.answers = {IdCancel};
        const Snapshot before(*run.ws);
        run.start();
        QVERIFY(run.waitSettled());
        QCOMPARE(int(run.flow->Outcome()), outcome);
        QCOMPARE(run.box.texts(), QStringList{run.ws->Language.ComError});
        QCOMPARE(run.box.shown.first().kind, kind);
        QVERIFY(Snapshot(*run.ws) == before);
        RunFor(700); // no restart, no second message
        QCOMPARE(run.box.shown.size(), 1);
        QCOMPARE(line.Radio().Frames().count(WakeUpFrame()), 2);
    }

    // Closing in the middle: the port closes at once, nothing more is sent
    // or changed, the flow says it was closed.
    void closeInTheMiddle()
    {
        TestLine line;
        line.Radio().SetMemory(sourceMemory());
        ReadRun run(line, QStringLiteral("/dev/ttyTEST"));
        const Snapshot before(*run.ws);
        run.start();
        QVERIFY(RunUntil([&] { return run.view.position >= 5; }, kSettleMs));
        run.flow->Close();
        QVERIFY(!line.IsOpen());
        const QByteArray sent = line.sent;
        QVERIFY(run.waitSettled());
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::Closed);
        RunFor(400);
        QCOMPARE(line.sent, sent);
        QVERIFY(run.box.shown.isEmpty());
        QVERIFY(Snapshot(*run.ws) == before);
        QVERIFY(!run.flow->ReadDone());
        QCOMPARE(run.view.closes, 0);
    }

    // Destroying the flow mid-transfer leaves nothing behind to fire.
    void destroyInTheMiddle()
    {
        TestLine line;
        line.Radio().SetMemory(sourceMemory());
        auto run = std::make_unique<ReadRun>(line, QStringLiteral("/dev/ttyTEST"));
        run->start();
        QVERIFY(RunUntil([&] { return run->view.position >= 3; }, kSettleMs));
        run->flow.reset();
        QVERIFY(!line.IsOpen());
        const QByteArray sent = line.sent;
        RunFor(300);
        QCOMPARE(line.sent, sent);
    }

    void portThatCannotOpen_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("refuse");
        QTest::newRow("device refuses") << QStringLiteral("/dev/ttyTEST") << true;
        QTest::newRow("name gives no device") << QStringLiteral("COMx") << false;
    }
    void portThatCannotOpen()
    {
        QFETCH(QString, port);
        QFETCH(bool, refuse);
        TestLine line;
        if (refuse)
            line.failOpen = TOpenError::Busy;
        ReadRun run(line, port);
        // The user reads the box for a while: the dialog behind it stays
        // until it is answered, and closes 300 ms after.
        int closesWhileShown = -1;
        run.box.whileShown = [&](const ScriptedMsgBox::Shown &) {
            RunFor(600);
            closesWhileShown = run.view.closes;
        };
        run.flow->Show();
        QVERIFY(run.waitSettled());
        QCOMPARE(closesWhileShown, 0);
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::PortError);
        QCOMPARE(run.box.texts(), QStringList{run.ws->Language.LPortError});
        QCOMPARE(run.view.closes, 0);
        QVERIFY(RunUntil([&] { return run.view.closes == 1; }, kSettleMs));
        QVERIFY(line.sent.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestReadLine)
#include "tst_readline.moc"

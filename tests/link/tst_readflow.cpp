// The read transfer over the simulated radio on a pseudo-terminal (pacing
// off): the frames a radio sees, its model, its faults.

#include "ReadHarness.h"
#include "link/PtyRadio.h"
#include "link/QtSerialLine.h"

#include <QSignalSpy>
#include <QTest>

class TestReadFlow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qRegisterMetaType<TTransferOutcome>();
        g_source = FilledWorkspace();
    }

    // ---- over the simulated radio on a pseudo-terminal --------------------

    void readsEveryBlockInOrder()
    {
        TRadioSim sim(QStringLiteral("6842"));
        sim.SetMemory(sourceMemory());
        PtyBench bench(sim);
        QVERIFY(bench.start());
        ReadRun run(bench.line, bench.radio.DevicePath());
        run.start();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::Success);
        QCOMPARE(run.settled->first().first().value<TTransferOutcome>(), TTransferOutcome::Success);
        QCOMPARE(run.box.texts(), QStringList{run.ws->Language.ReadOk});
        QCOMPARE(run.box.shown.first().caption, run.ws->Language.Confirmation);

        const TMacType &uhf = *run.ws->Models.Item(0);
        QVERIFY(EndReached(bench.radio));
        QCOMPARE(bench.radio.Frames(), ExpectedReadFrames(uhf));
        QCOMPARE(bench.radio.Frames().at(3), Hex("52 00 00 08"));

        QVERIFY(run.flow->ReadDone());
        QCOMPARE(bench.line.RequestedSettings(), TLineSettings());
        QCOMPARE(run.view.maximum, 22);
        QCOMPARE(run.view.position, 22);
        TWorkspace &ws = *run.ws;
        QCOMPARE(ws.All.CurrentModel, &uhf);
        QCOMPARE(ws.All.ModelCode, QStringLiteral("6842"));
        QCOMPARE(ws.All.BandText, g_source->All.BandText);
        QCOMPARE(ws.EnMsg.MessageA, g_source->EnMsg.MessageA);
        QCOMPARE(ws.EnMsg.MessageB, g_source->EnMsg.MessageB);
        QVERIFY(ws.Fun == g_source->Fun);
        QVERIFY(ws.All.Modified);
        // The channels wait in the result until the caller takes them.
        LoadReadChannels(ws, run.flow->Result());
        QCOMPARE(TableTexts(ws), TableTexts(*g_source));

        // The dialog closes itself shortly after, with the port.
        QVERIFY(RunUntil([&] { return run.view.closes == 1; }, kSettleMs));
        QVERIFY(!bench.line.IsOpen());
    }

    void unknownModelStopsAtTheIdentification()
    {
        PtyBench bench(TRadioSim(QStringLiteral("9999")));
        QVERIFY(bench.start());
        ReadRun run(bench.line, bench.radio.DevicePath());
        const Snapshot before(*run.ws);
        run.start();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::ModelRefused);
        QCOMPARE(run.box.texts(), QStringList{run.ws->Language.ModError});
        RunFor(300); // nothing more is sent, no time-out follows
        QCOMPARE(bench.radio.Frames(), (QList<QByteArray>{WakeUpFrame(), Hex("02")}));
        QCOMPARE(run.box.shown.size(), 1);
        QVERIFY(!run.view.okEnabled);
        QVERIFY(Snapshot(*run.ws) == before);
    }

    // A reply that does not come, or comes incomplete or late, times the
    // attempt out; Retry starts a new one that succeeds.
    void timeOutThenRetry_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("frame");
        QTest::newRow("read request unanswered")
            << int(TRadioSim::FaultKind::NoAnswer) << readRequestFrame(3);
        QTest::newRow("acknowledgement unanswered")
            << int(TRadioSim::FaultKind::NoAnswer) << readRequestFrame(3) + 1;
        QTest::newRow("short read reply") << int(TRadioSim::FaultKind::ShortReply) << readRequestFrame(5, 1);
    }
    void timeOutThenRetry()
    {
        QFETCH(int, kind);
        QFETCH(int, frame);
        TRadioSim sim(QStringLiteral("6842"));
        sim.SetMemory(sourceMemory());
        sim.AddFault(fault(TRadioSim::FaultKind(kind), frame));
        PtyBench bench(sim);
        QVERIFY(bench.start());
        ReadRun run(bench.line, bench.radio.DevicePath());
        run.box.answers = {IdRetry};
        run.start();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::Success);
        QCOMPARE(run.box.texts(), (QStringList{run.ws->Language.ComError, run.ws->Language.ReadOk}));
        QCOMPARE(run.box.shown.first().kind, int(MsgRetryCancel));
        QCOMPARE(run.settled->count(), 1);
        // The second attempt is a whole read of its own.
        QVERIFY(EndReached(bench.radio));
        const QList<QByteArray> frames = bench.radio.Frames();
        const QList<QByteArray> second = frames.mid(frames.lastIndexOf(WakeUpFrame()));
        QCOMPARE(second, ExpectedReadFrames(*run.ws->Models.Item(0)));
        LoadReadChannels(*run.ws, run.flow->Result());
        QCOMPARE(TableTexts(*run.ws), TableTexts(*g_source));
    }

    // A failure late in the read, after the bar has filled: ComError, and
    // the workspace holds nothing of the half read.
    void failedReadChangesNothing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("outcome");
        // Block 22 is the model and band block.
        QTest::newRow("wrong acknowledgement")
            << int(TRadioSim::FaultKind::WrongAck) << int(IdOk) << int(TTransferOutcome::Failed);
        QTest::newRow("time-out, Cancel")
            << int(TRadioSim::FaultKind::NoAnswer) << int(IdCancel) << int(TTransferOutcome::TimedOut);
    }
    void failedReadChangesNothing()
    {
        QFETCH(int, kind);
        QFETCH(int, answer);
        QFETCH(int, outcome);
        TRadioSim sim(QStringLiteral("6842"));
        sim.SetMemory(sourceMemory());
        sim.AddFault(fault(TRadioSim::FaultKind(kind), readRequestFrame(22, 1) + 1));
        PtyBench bench(sim);
        QVERIFY(bench.start());
        ReadRun run(bench.line, bench.radio.DevicePath());
        run.box.answers = {answer};
        const Snapshot before(*run.ws);
        run.start();
        QVERIFY(run.waitSettled());
        QCOMPARE(int(run.flow->Outcome()), outcome);
        QCOMPARE(run.box.texts(), QStringList{run.ws->Language.ComError});
        QCOMPARE(run.view.maxPosition, 22); // the bar had filled
        QVERIFY(!run.flow->ReadDone());
        QVERIFY(Snapshot(*run.ws) == before);
        QCOMPARE(run.view.closes, 0);
    }

    // A lone 0x15 in place of the acknowledgement is refused: HeadTime runs
    // out and, 2.5 s later, the Retry question.
    void refusedAcknowledgementAsksAfterTheHandshakeTime()
    {
        TRadioSim sim(QStringLiteral("6842"));
        sim.AddFault(fault(TRadioSim::FaultKind::WrongAck, 1));
        PtyBench bench(sim);
        QVERIFY(bench.start());
        ReadRun run(bench.line, bench.radio.DevicePath());
        run.box.answers = {IdCancel};
        run.start();
        RunFor(2500);
        QVERIFY(run.box.shown.isEmpty()); // 500 ms start, 500 ms HeadTime, 2.5 s
        QVERIFY(run.waitSettled());
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::TimedOut);
        QCOMPARE(run.box.shown.size(), 1);
        QCOMPARE(run.box.shown.first().kind, int(MsgRetryCancel));
        QCOMPARE(bench.radio.Frames(), QList<QByteArray>{WakeUpFrame()});
        QVERIFY(run.view.okEnabled);
    }

    void radioDisappearingFailsTheAttempt()
    {
        TRadioSim sim(QStringLiteral("6842"));
        sim.SetMemory(sourceMemory());
        sim.AddFault(fault(TRadioSim::FaultKind::Disappear, readRequestFrame(6)));
        PtyBench bench(sim);
        QVERIFY(bench.start());
        ReadRun run(bench.line, bench.radio.DevicePath());
        const Snapshot before(*run.ws);
        run.start();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::Failed);
        QCOMPARE(run.box.texts(), QStringList{run.ws->Language.ComError});
        QVERIFY(!bench.line.IsOpen());
        QVERIFY(Snapshot(*run.ws) == before);
    }
};

QTEST_GUILESS_MAIN(TestReadFlow)
#include "tst_readflow.moc"

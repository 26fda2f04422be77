// The write transfer over the simulated radio on a pseudo-terminal (pacing
// off): the frames a radio sees, the model check, time-outs, the read-back.

#include "WriteHarness.h"

#include <QSignalSpy>
#include <QTest>

namespace {

int writeFrames(const QList<QByteArray> &frames)
{
    int n = 0;
    for (const QByteArray &f : frames)
        n += f.size() == 12 && (f[0] == 0x57 || f[0] == 0x59);
    return n;
}

} // namespace

class TestWriteFlow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qRegisterMetaType<TTransferOutcome>();
        g_source = FilledWorkspace();
    }

    void writesEveryBlockInOrder()
    {
        PtyBench bench{TRadioSim(QStringLiteral("6842"))};
        QVERIFY(bench.start());
        WriteRun run(bench.line, bench.radio.DevicePath());
        run.start();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::Success);
        QCOMPARE(run.box.texts(), QStringList{run.ws->Language.WriteOk});
        QVERIFY(EndReached(bench.radio));

        const QList<QByteArray> frames = bench.radio.Frames();
        QCOMPARE(frames, ExpectedWriteFrames(*run.ws));
        QCOMPARE(writeFrames(frames), 48);
        QCOMPARE(frames.at(3), Hex("57 00 00 08 FF FF FF FF FF FF FF FF"));
        QCOMPARE(frames.at(4), Hex("57 00 08 08 FF FF FF FF FF FF FF FF"));
        QCOMPARE(FrameIndex(frames, 0x59, 688), writeFrame(23) - 1);
        QCOMPARE(FrameIndex(frames, 0x59, 696), writeFrame(23, 1) - 1);

        // Every block landed where the plan says.
        const QByteArray memory = bench.radio.Memory();
        for (const TPlannedBlock &b : BuildWritePlan(*run.ws).blocks)
            QCOMPARE(memory.mid(b.slot.address, 16),
                     QByteArray(reinterpret_cast<const char *>(b.bytes.data()), 16));

        QCOMPARE(run.view.maximum, 22);
        QCOMPARE(run.view.maxPosition, 22);
        QCOMPARE(run.view.position, 0); // back to 0 after WriteOk
        QVERIFY(run.view.okEnabled);
        QCOMPARE(run.ws->All.ChannelUsedFlags, QStringLiteral("1100000000000001"));
        QCOMPARE(run.ws->All.ScanAddFlags, QStringLiteral("1000000000000001"));
        QVERIFY(bench.line.IsOpen()); // the write dialog stays open
    }

    void writeThenReadGivesBackTheSame()
    {
        PtyBench bench{TRadioSim(QStringLiteral("6842"))};
        QVERIFY(bench.start());
        WriteRun write(bench.line, bench.radio.DevicePath());
        write.start();
        QVERIFY(write.waitSettled());
        QCOMPARE(write.flow->Outcome(), TTransferOutcome::Success);
        write.flow->Close();

        ReadRun read(bench.line, bench.radio.DevicePath());
        read.start();
        QVERIFY(read.waitSettled());
        QCOMPARE(read.flow->Outcome(), TTransferOutcome::Success);
        LoadReadChannels(*read.ws, read.flow->Result());
        const TWorkspace &a = *write.ws;
        const TWorkspace &b = *read.ws;
        QCOMPARE(TableTexts(b), TableTexts(a));
        QCOMPARE(b.EnMsg.MessageA, a.EnMsg.MessageA);
        QCOMPARE(b.EnMsg.MessageB, a.EnMsg.MessageB);
        QVERIFY(b.Fun == a.Fun);
        QCOMPARE(b.All.ModelName, a.All.ModelName);
        QCOMPARE(b.All.BandText, a.All.BandText);
    }

    // CheckModel: what the radio says against the current model (UHF, 6842).
    void modelCheck_data()
    {
        QTest::addColumn<QString>("radioCode");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("question"); // the message shown first, "" none
        QTest::addColumn<bool>("writes");
        QTest::newRow("same model: no question") << "6842" << int(IdNo) << "" << true;
        QTest::newRow("other catalogue model, Yes") << "6841" << int(IdYes) << "Modforce" << true;
        QTest::newRow("other catalogue model, No") << "6841" << int(IdNo) << "Modforce" << false;
        QTest::newRow("unknown model, Yes") << "9999" << int(IdYes) << "Modforce" << true;
        QTest::newRow("unknown model, No") << "9999" << int(IdNo) << "Modforce" << false;
        QTest::newRow("other channel count") << "7777" << int(IdYes) << "ModError" << false;
    }
    void modelCheck()
    {
        QFETCH(QString, radioCode);
        QFETCH(int, answer);
        QFETCH(QString, question);
        QFETCH(bool, writes);
        PtyBench bench{TRadioSim(radioCode)};
        QVERIFY(bench.start());
        WriteRun run(bench.line, bench.radio.DevicePath());
        AddLargeModel(*run.ws);
        run.box.answers = {answer};
        run.start();
        if (writes) {
            // Going ahead is enough to see: the first write frame arrives.
            QVERIFY(RunUntil([&] { return writeFrames(bench.radio.Frames()) > 0; }, kSettleMs));
            run.flow->Close();
        } else {
            QVERIFY(run.waitSettled());
            QCOMPARE(run.flow->Outcome(), question == u"ModError" ? TTransferOutcome::ModelRefused
                                                                  : TTransferOutcome::ModelDeclined);
            RunFor(200);
            QCOMPARE(bench.radio.Frames(), (QList<QByteArray>{WakeUpFrame(), Hex("02")}));
            QVERIFY(!run.view.okEnabled);
        }
        const TLanguage &texts = run.ws->Language;
        const QStringList expected = question.isEmpty() ? QStringList{}
                                     : question == u"ModError" ? QStringList{texts.ModError}
                                                               : QStringList{texts.Modforce};
        QCOMPARE(run.box.texts(), expected);
        if (question == u"Modforce")
            QCOMPARE(run.box.shown.first().kind, int(MsgYesNo));
    }

    void timeOutThenRetry_data()
    {
        QTest::addColumn<int>("frame");
        QTest::newRow("write frame unanswered") << writeFrame(5, 1);
        QTest::newRow("first acknowledgement unanswered") << 3;
    }
    void timeOutThenRetry()
    {
        QFETCH(int, frame);
        TRadioSim sim(QStringLiteral("6842"));
        sim.AddFault(fault(TRadioSim::FaultKind::NoAnswer, frame));
        PtyBench bench{sim};
        QVERIFY(bench.start());
        WriteRun run(bench.line, bench.radio.DevicePath());
        run.box.answers = {IdRetry};
        run.start();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::Success);
        QCOMPARE(run.box.texts(), (QStringList{run.ws->Language.ComError, run.ws->Language.WriteOk}));
        QCOMPARE(run.box.shown.first().kind, int(MsgRetryCancel));
        QVERIFY(EndReached(bench.radio));
        const QList<QByteArray> frames = bench.radio.Frames();
        QCOMPARE(frames.mid(frames.lastIndexOf(WakeUpFrame())), ExpectedWriteFrames(*run.ws));
    }

    // With verify on, a second session reads back every block written.
    void verifyReadsBackEveryBlock()
    {
        PtyBench bench{TRadioSim(QStringLiteral("6842"))};
        QVERIFY(bench.start());
        WriteRun run(bench.line, bench.radio.DevicePath());
        run.flow->SetVerify(true);
        run.start();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::Success);
        QCOMPARE(run.flow->MismatchAddress(), -1);
        QCOMPARE(run.box.texts(), QStringList{run.ws->Language.WriteOk});
        QVERIFY(EndReached(bench.radio));
        QList<QByteArray> expected = ExpectedWriteFrames(*run.ws);
        expected << HandshakeFrames();
        for (const TPlannedBlock &b : BuildWritePlan(*run.ws).blocks)
            for (int half = 0; half < 2; ++half)
                expected << LinkFrames::ReadRequest(b.slot.address + 8 * half) << Hex("06");
        expected << Hex("45");
        QCOMPARE(bench.radio.Frames(), expected);
        QCOMPARE(bench.radio.Sessions(), 2);
    }

    void radioDisappearingFailsTheAttempt()
    {
        TRadioSim sim(QStringLiteral("6842"));
        sim.AddFault(fault(TRadioSim::FaultKind::Disappear, writeFrame(8)));
        PtyBench bench{sim};
        QVERIFY(bench.start());
        WriteRun run(bench.line, bench.radio.DevicePath());
        run.start();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.flow->Outcome(), TTransferOutcome::Failed);
        QCOMPARE(run.box.texts(), QStringList{run.ws->Language.ComError});
        QVERIFY(!bench.line.IsOpen());
    }
};

QTEST_GUILESS_MAIN(TestWriteFlow)
#include "tst_writeflow.moc"

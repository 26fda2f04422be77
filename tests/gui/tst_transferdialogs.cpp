// The read and write dialogs end to end, driven by their buttons: a
// simulated radio on a pseudo-terminal (or the test line where only a line
// can do it), scripted message boxes, and what reaches the workspace.

#include "DialogPictures.h"
#include "link/ReadHarness.h"
#include "link/ReadRadio.h"
#include "link/WriteRadio.h"
#include "support/TestLine.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

QPushButton *Button(QWidget *dialog, const char *name)
{
    return dialog->findChild<QPushButton *>(QString::fromLatin1(name));
}

QProgressBar *Bar(QWidget *dialog)
{
    return dialog->findChild<QProgressBar *>(QStringLiteral("pBar"));
}

// How a dialog is closed by the user.
enum class CloseBy { CancelButton, CloseBox };

void CloseDialog(QDialog &dialog, CloseBy how)
{
    switch (how) {
    case CloseBy::CancelButton: QTest::mouseClick(Button(&dialog, "btnCancel"), Qt::LeftButton); break;
    case CloseBy::CloseBox: dialog.close(); break;
    }
}

// Closes the dialog from the event loop as soon as the bar reaches position:
// in the middle of the transfer, as a user's click would come.
void CloseWhenBarReaches(QDialog &dialog, int position, CloseBy how)
{
    QObject::connect(
        Bar(&dialog), &QProgressBar::valueChanged, &dialog,
        [&dialog, position, how](int value) {
            if (value == position && dialog.isVisible())
                CloseDialog(dialog, how);
        },
        Qt::QueuedConnection);
}

template <class Dialog> struct DialogRun {
    std::unique_ptr<TWorkspace> ws;
    ScriptedMsgBox box;
    std::unique_ptr<Dialog> dialog;
    std::unique_ptr<QSignalSpy> settled;

    DialogRun(std::unique_ptr<TWorkspace> workspace, const QString &port, TSerialLine *line)
        : ws(std::move(workspace))
    {
        ws->All.PortName = port;
        dialog = std::make_unique<Dialog>(*ws, box, nullptr, line);
        settled = std::make_unique<QSignalSpy>(dialog.get(), &TTransferDialog::Settled);
    }
    void showAndOk()
    {
        dialog->show();
        QTest::mouseClick(Button(dialog.get(), "btnOk"), Qt::LeftButton);
    }
    bool waitSettled(int count = 1)
    {
        return RunUntil([&] { return settled->count() >= count; }, kSettleMs);
    }
    bool waitClosed()
    {
        return RunUntil([&] { return !dialog->isVisible(); }, kSettleMs);
    }
    bool okEnabled() const { return Button(dialog.get(), "btnOk")->isEnabled(); }
};

using ReadDialogRun = DialogRun<TfReadRadio>;
using WriteDialogRun = DialogRun<TfWriteRadio>;

} // namespace

Q_DECLARE_METATYPE(CloseBy)

class TestTransferDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qRegisterMetaType<TTransferOutcome>();
        g_source = FilledWorkspace();
    }

    // ---- read ---------------------------------------------------------------

    void readTakesTheRadioAndCloses()
    {
        TRadioSim sim(QStringLiteral("6842"));
        sim.SetMemory(sourceMemory());
        PtyBench bench(sim);
        QVERIFY(bench.start());
        ReadDialogRun run(NewWorkspace(1), bench.radio.DevicePath(), &bench.line);
        run.showAndOk();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.dialog->Outcome(), TTransferOutcome::Success);
        QCOMPARE(run.box.texts(), QStringList{run.ws->Language.ReadOk});
        QVERIFY(run.dialog->ReadDone());
        QCOMPARE(Bar(run.dialog.get())->value(), Bar(run.dialog.get())->maximum());

        const TWorkspace &ws = *run.ws;
        QCOMPARE(ws.All.CurrentModel, run.ws->Models.Item(0));
        QCOMPARE(ws.All.ModelCode, QStringLiteral("6842"));
        QCOMPARE(ws.All.BandText, g_source->All.BandText);
        QCOMPARE(ws.EnMsg.MessageA, g_source->EnMsg.MessageA);
        QCOMPARE(ws.EnMsg.MessageB, g_source->EnMsg.MessageB);
        QVERIFY(ws.Fun == g_source->Fun);

        // The dialog closes by itself; the channels wait for the main window.
        QVERIFY(run.waitClosed());
        QVERIFY(!bench.line.IsOpen());
        QVERIFY(run.dialog->ReadDone());
        LoadReadChannels(*run.ws, run.dialog->Result());
        QCOMPARE(TableTexts(*run.ws), TableTexts(*g_source));
    }

    // The wake-up goes unanswered: after the handshake time the Retry
    // question; Retry reads the radio.
    void handshakeTimeOutRetried()
    {
        TRadioSim sim(QStringLiteral("6842"));
        sim.SetMemory(sourceMemory());
        sim.AddFault(fault(TRadioSim::FaultKind::NoAnswer, 1));
        PtyBench bench(sim);
        QVERIFY(bench.start());
        ReadDialogRun run(NewWorkspace(1), bench.radio.DevicePath(), &bench.line);
        run.box.answers = {IdRetry};
        run.showAndOk();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.dialog->Outcome(), TTransferOutcome::Success);
        QCOMPARE(run.box.texts(), (QStringList{run.ws->Language.ComError, run.ws->Language.ReadOk}));
        QCOMPARE(run.box.shown.first().kind, int(MsgRetryCancel));
        QVERIFY(run.dialog->ReadDone());
        QVERIFY(run.waitClosed());
    }

    void unknownModelLeavesOnlyCancel()
    {
        PtyBench bench(TRadioSim(QStringLiteral("9999")));
        QVERIFY(bench.start());
        ReadDialogRun run(NewWorkspace(1), bench.radio.DevicePath(), &bench.line);
        const Snapshot before(*run.ws);
        run.showAndOk();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.dialog->Outcome(), TTransferOutcome::ModelRefused);
        QCOMPARE(run.box.texts(), QStringList{run.ws->Language.ModError});
        QVERIFY(!run.okEnabled());
        QVERIFY(Snapshot(*run.ws) == before);
        QTest::mouseClick(Button(run.dialog.get(), "btnCancel"), Qt::LeftButton);
        QVERIFY(!run.dialog->isVisible());
        QVERIFY(!bench.line.IsOpen());
        QVERIFY(!run.dialog->ReadDone());
    }

    // However the user closes the dialog in the middle of a read, the port
    // closes at once and the workspace keeps what it had.
    void closingInTheMiddleOfARead_data()
    {
        QTest::addColumn<CloseBy>("how");
        QTest::newRow("Cancel") << CloseBy::CancelButton;
        QTest::newRow("close box") << CloseBy::CloseBox;
    }
    void closingInTheMiddleOfARead()
    {
        QFETCH(CloseBy, how);
        TRadioSim sim(QStringLiteral("6842"));
        sim.SetMemory(sourceMemory());
        PtyBench bench(sim, true); // paced: still reading when the dialog closes
        QVERIFY(bench.start());
        ReadDialogRun run(NewWorkspace(1), bench.radio.DevicePath(), &bench.line);
        const Snapshot before(*run.ws);
        CloseWhenBarReaches(*run.dialog, 4, how);
        run.showAndOk();
        QVERIFY(run.waitClosed());
        QVERIFY(!bench.line.IsOpen());
        QVERIFY(run.waitSettled());
        QCOMPARE(run.dialog->Outcome(), TTransferOutcome::Closed);
        QVERIFY(!run.dialog->ReadDone());
        RunFor(300); // nothing of the abandoned read follows
        QVERIFY(run.box.shown.isEmpty());
        QVERIFY(Snapshot(*run.ws) == before);
    }

    // ---- write --------------------------------------------------------------

    // The dialog stays open after WriteOk, ready to write again; the verify
    // box counts as it is when Ok is pressed.
    void writeStaysOpenAndWritesAgain()
    {
        PtyBench bench{TRadioSim(QStringLiteral("6842"))};
        QVERIFY(bench.start());
        WriteDialogRun run(FilledWorkspace(), bench.radio.DevicePath(), &bench.line);
        auto *chVerify = run.dialog->findChild<QCheckBox *>(QStringLiteral("chVerify"));
        QVERIFY(!chVerify->isChecked());
        run.showAndOk();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.dialog->Outcome(), TTransferOutcome::Success);
        QCOMPARE(run.box.texts(), QStringList{run.ws->Language.WriteOk});
        QVERIFY(EndReached(bench.radio));
        QCOMPARE(bench.radio.Frames(), ExpectedWriteFrames(*run.ws));
        RunFor(400); // no closing timer
        QVERIFY(run.dialog->isVisible());
        QVERIFY(run.okEnabled());
        QCOMPARE(Bar(run.dialog.get())->value(), 0);

        // Again, verified: a write session and a read-back session.
        chVerify->setChecked(true);
        QTest::mouseClick(Button(run.dialog.get(), "btnOk"), Qt::LeftButton);
        QVERIFY(run.waitSettled(2));
        QCOMPARE(run.dialog->Outcome(), TTransferOutcome::Success);
        QCOMPARE(run.dialog->MismatchAddress(), -1);
        QCOMPARE(run.box.texts(), (QStringList{run.ws->Language.WriteOk, run.ws->Language.WriteOk}));
        QVERIFY(RunUntil([&] { return bench.radio.Sessions() == 3; }, kSettleMs));
        QVERIFY(run.dialog->isVisible());
    }

    void verifyMismatchNamesTheBlock()
    {
        TestLine line;
        line.corruptAddress = 960 + 3; // in the basic settings block
        WriteDialogRun run(FilledWorkspace(), QStringLiteral("/dev/ttyTEST"), &line);
        run.dialog->findChild<QCheckBox *>(QStringLiteral("chVerify"))->setChecked(true);
        run.showAndOk();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.dialog->Outcome(), TTransferOutcome::VerifyFailed);
        QCOMPARE(run.dialog->MismatchAddress(), 960);
        QCOMPARE(run.box.texts(),
                 QStringList{run.ws->Language.VerifyError.arg(QStringLiteral("0x03C0 (960)"))});
        QVERIFY(run.okEnabled());
        QVERIFY(run.dialog->isVisible());
    }

    // A radio of the other catalogue model: Modforce answered No writes
    // nothing and leaves only Cancel.
    void declinedModelWritesNothing()
    {
        PtyBench bench{TRadioSim(QStringLiteral("6841"))};
        QVERIFY(bench.start());
        WriteDialogRun run(FilledWorkspace(), bench.radio.DevicePath(), &bench.line);
        run.box.answers = {IdNo};
        run.showAndOk();
        QVERIFY(run.waitSettled());
        QCOMPARE(run.dialog->Outcome(), TTransferOutcome::ModelDeclined);
        QCOMPARE(run.box.texts(), QStringList{run.ws->Language.Modforce});
        QCOMPARE(run.box.shown.first().kind, int(MsgYesNo));
        RunFor(300);
        QCOMPARE(bench.radio.Frames(), (QList<QByteArray>{WakeUpFrame(), Hex("02")}));
        QCOMPARE(bench.radio.Memory(), QByteArray(TRadioSim::MemorySize, char(0xFF)));
        QVERIFY(!run.okEnabled());
    }

    void cancelInTheMiddleOfAWrite()
    {
        PtyBench bench(TRadioSim(QStringLiteral("6842")), true); // paced: still writing when cancelled
        QVERIFY(bench.start());
        WriteDialogRun run(FilledWorkspace(), bench.radio.DevicePath(), &bench.line);
        CloseWhenBarReaches(*run.dialog, 4, CloseBy::CancelButton);
        run.showAndOk();
        QVERIFY(run.waitClosed());
        QVERIFY(!bench.line.IsOpen());
        QVERIFY(run.waitSettled());
        QCOMPARE(run.dialog->Outcome(), TTransferOutcome::Closed);
        RunFor(100); // what was on its way has arrived
        const int frames = int(bench.radio.Frames().size());
        RunFor(300);
        QCOMPARE(int(bench.radio.Frames().size()), frames);
        QVERIFY(frames < ExpectedWriteFrames(*run.ws).size());
        QCOMPARE(bench.radio.Sessions(), 0);
        QVERIFY(run.box.shown.isEmpty());
    }

    // ---- both ---------------------------------------------------------------

    // A port that cannot be opened: LPortError, and the dialog closes by
    // itself shortly after. The dialogs open their own serial line here.
    void portThatCannotBeOpened_data()
    {
        QTest::addColumn<bool>("write");
        QTest::newRow("read") << false;
        QTest::newRow("write") << true;
    }
    void portThatCannotBeOpened()
    {
        QFETCH(bool, write);
        ScriptedMsgBox box;
        auto ws = NewWorkspace(0);
        ws->All.PortName = QStringLiteral("/dev/orvel-no-such-port");
        std::unique_ptr<TTransferDialog> dialog;
        if (write)
            dialog = std::make_unique<TfWriteRadio>(*ws, box);
        else
            dialog = std::make_unique<TfReadRadio>(*ws, box);
        QSignalSpy settled(dialog.get(), &TTransferDialog::Settled);
        dialog->show();
        QVERIFY(RunUntil([&] { return settled.count() == 1; }, kSettleMs));
        QCOMPARE(settled.first().first().value<TTransferOutcome>(), TTransferOutcome::PortError);
        QCOMPARE(box.texts(), QStringList{ws->Language.LPortError});
        QVERIFY(dialog->isVisible());
        QVERIFY(RunUntil([&] { return !dialog->isVisible(); }, 2000));
    }

    // Not a check: pictures of both dialogs in both languages.
    void pictures()
    {
        if (PictureFolder().isEmpty())
            QSKIP("ORVEL_DIALOG_PICTURES not set");
        for (const QString &language : PictureLanguages()) {
            ScriptedMsgBox box;
            auto ws = NewWorkspace(0);
            ws->All.PortName = QStringLiteral("/dev/orvel-no-such-port");
            UseShippedLanguage(ws->All, language);
            TfReadRadio read(*ws, box);
            TfWriteRadio write(*ws, box);
            QVERIFY(SavePicture(read, language));
            QVERIFY(SavePicture(write, language));
        }
    }
};

QTEST_MAIN(TestTransferDialogs)
#include "tst_transferdialogs.moc"

// The main window's radio commands end to end: Read and Write open their
// dialogs against a simulated radio on a pseudo-terminal, and a completed
// read lands in the channel table; the port command keeps and shows the
// port chosen.

#include "MainFrame.h"
#include "editing/ChInfo.h"
#include "image/FileCommands.h"
#include "link/FlowHarness.h"
#include "link/TransferDialog.h"
#include "mainwindow/CommandTable.h"
#include "mainwindow/StatusPanels.h"
#include "support/Fixtures.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

namespace {

// Clicks Ok of the transfer dialog the next command opens; once its attempt
// has come to rest the dialog is closed, unless it closes by itself first.
void OkThenCloseWhenSettled(QList<TTransferOutcome> *outcomes)
{
    WhenDialogShows([outcomes](QWidget *widget) {
        auto *dialog = qobject_cast<TTransferDialog *>(widget);
        QVERIFY(dialog);
        QObject::connect(dialog, &TTransferDialog::Settled, dialog, [dialog, outcomes](TTransferOutcome o) {
            outcomes->append(o);
            if (o != TTransferOutcome::Success || dialog->objectName() == QStringLiteral("fWriteRadio"))
                QTimer::singleShot(0, dialog, &QDialog::reject);
        });
        dialog->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
    });
}

} // namespace

class TestRadioCommands : public QObject {
    Q_OBJECT

private slots:
    void readLoadsTheRadio();
    void failedReadKeepsTheTable();
    void writeSendsTheTable();
    void portCommandKeepsDevicePath();
};

void TestRadioCommands::readLoadsTheRadio()
{
    auto radioData = FilledWorkspace();
    TRadioSim sim(radioData->All.ModelCode);
    sim.SetMemory(MemoryFromWorkspace(*radioData));
    PtyBench bench(sim);
    QVERIFY(bench.start());

    Frame f;
    f.show();
    f.ws->All.PortName = bench.radio.DevicePath();
    TypeChannel(*f.ws, 5, QStringLiteral("455"));
    f.window->FileCommands().SetFileName(QStringLiteral("/old/file.dat"));
    QList<TTransferOutcome> outcomes;
    OkThenCloseWhenSettled(&outcomes);
    f.window->Dispatch(CmdRead);

    QCOMPARE(outcomes, QList<TTransferOutcome>{TTransferOutcome::Success});
    QCOMPARE(f.box.texts(), QStringList{f.ws->Language.ReadOk});
    QCOMPARE(TableTexts(*f.ws), TableTexts(*radioData));
    QCOMPARE(f.ws->EnMsg.MessageA, radioData->EnMsg.MessageA);
    QCOMPARE(f.ws->Fun, radioData->Fun);
    QVERIFY(f.ws->All.Modified);
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Orvel"));
    QCOMPARE(f.ws->Channels.Hidden(TChannelStore::ColNumber, 2), QStringLiteral("1"));
}

// A radio of a model the program does not know: ModError, the dialog is
// closed by the user, and the table, settings and state are as they were.
void TestRadioCommands::failedReadKeepsTheTable()
{
    TRadioSim sim(QStringLiteral("9999"));
    PtyBench bench(sim);
    QVERIFY(bench.start());

    Frame f;
    f.show();
    f.ws->All.PortName = bench.radio.DevicePath();
    TypeChannel(*f.ws, 5, QStringLiteral("455"));
    f.ws->All.Modified = false;
    const QStringList table = TableTexts(*f.ws);
    const QString model = f.ws->All.ModelName;
    QList<TTransferOutcome> outcomes;
    OkThenCloseWhenSettled(&outcomes);
    f.window->Dispatch(CmdRead);

    QCOMPARE(outcomes, QList<TTransferOutcome>{TTransferOutcome::ModelRefused});
    QCOMPARE(f.box.texts(), QStringList{f.ws->Language.ModError});
    QCOMPARE(TableTexts(*f.ws), table);
    QCOMPARE(f.ws->All.ModelName, model);
    QVERIFY(!f.ws->All.Modified);
}

void TestRadioCommands::writeSendsTheTable()
{
    Frame f;
    f.show();
    TypeChannel(*f.ws, 1, QStringLiteral("462.5"));
    TypeChannel(*f.ws, 7, QStringLiteral("455.025"), QStringLiteral("460.025"));
    f.ws->EnMsg.MessageB = QStringLiteral("WRITTEN");
    TRadioSim sim(f.ws->All.ModelCode);
    PtyBench bench(sim);
    QVERIFY(bench.start());
    f.ws->All.PortName = bench.radio.DevicePath();
    f.ws->All.Modified = false;

    QList<TTransferOutcome> outcomes;
    OkThenCloseWhenSettled(&outcomes);
    f.window->Dispatch(CmdWrite);

    QCOMPARE(outcomes, QList<TTransferOutcome>{TTransferOutcome::Success});
    QCOMPARE(f.box.texts(), QStringList{f.ws->Language.WriteOk});
    QVERIFY(EndReached(bench.radio));
    auto radio = NewWorkspace(0);
    QVERIFY(WorkspaceFromMemory(bench.radio.Memory(), f.ws->All.ModelCode, *radio));
    QCOMPARE(TableTexts(*radio), TableTexts(*f.ws));
    QCOMPARE(radio->EnMsg.MessageB, QStringLiteral("WRITTEN"));
    QVERIFY(!f.ws->All.Modified); // writing changes nothing of the data
}

// A pseudo-terminal named by its path survives the port dialog's Ok and
// shows in the status bar.
void TestRadioCommands::portCommandKeepsDevicePath()
{
    TRadioSim sim(QStringLiteral("6842"));
    PtyBench bench(sim);
    QVERIFY(bench.start());
    Frame f;
    f.show();
    f.ws->All.PortName = bench.radio.DevicePath();
    QString listed;
    WhenDialogShows([&listed](QWidget *dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("fSetPort"));
        listed = dialog->findChild<QComboBox *>(QStringLiteral("cbCom"))->currentText();
        dialog->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
    });
    f.window->Dispatch(CmdPort);
    QCOMPARE(listed, bench.radio.DevicePath());
    QCOMPARE(f.ws->All.PortName, bench.radio.DevicePath());
    QCOMPARE(f.window->StatusPanels()->PanelText(TStatusPanels::Port),
             QStringLiteral("Port: ") + bench.radio.DevicePath());
}

QTEST_MAIN(TestRadioCommands)
#include "tst_radiocommands.moc"

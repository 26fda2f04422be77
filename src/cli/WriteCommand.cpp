// orvel-cli write: writes a data file into the radio on a serial port, and
// with --verify reads every block back.

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/ConsoleMsgBox.h"
#include "cli/TransferConsole.h"
#include "core/Workspace.h"
#include "link/QtSerialLine.h"

int RunWrite(const QStringList &arguments)
{
    TCommandParser cmd(QStringLiteral("write"),
                       QStringLiteral("Writes a data file into the radio on a serial port.\n"
                                      "PORT is a COM name (COM33 is /dev/ttyUSB0) or a device path such as "
                                      "/dev/pts/3.\n"
                                      "Exit status: 0 written (and verified), 1 the write failed or was "
                                      "refused, 2 usage error."),
                       QStringLiteral("FILE.dat"), QStringLiteral("The data file to write."));
    const QCommandLineOption port({QStringLiteral("p"), QStringLiteral("port")},
                                  QStringLiteral("The serial port the radio is on."), QStringLiteral("PORT"));
    const QCommandLineOption force(QStringLiteral("force"),
                                   QStringLiteral("Write even when the radio reports another model."));
    const QCommandLineOption verify(QStringLiteral("verify"),
                                    QStringLiteral("Read every block back after writing and report the first "
                                                   "that differs."));
    cmd.parser().addOption(port);
    cmd.parser().addOption(force);
    cmd.parser().addOption(verify);
    if (const int status = cmd.Parse(arguments); status >= 0)
        return status;
    if (!cmd.parser().isSet(port)) {
        Err() << "orvel-cli write: --port PORT is required" << Qt::endl;
        return ExitUsage;
    }
    const QString portName = PortOption(QStringLiteral("write"), cmd.parser().value(port));
    if (portName.isEmpty())
        return ExitUsage;

    TWorkspace ws;
    PrepareWorkspace(ws);
    if (!LoadForCli(cmd.file(), ws))
        return ExitFailed;
    ws.All.PortName = portName;
    TQtSerialLine line;
    TConsoleMsgBox box(Err(), cmd.parser().isSet(force) ? IdYes : IdNo, IdCancel);
    TConsoleView view(QStringLiteral("Writing"));
    TWriteFlow flow(ws, line, box, view);
    flow.SetVerify(cmd.parser().isSet(verify));
    const TTransferOutcome outcome = RunToRest(flow);
    view.Finish();
    flow.Close();
    return outcome == TTransferOutcome::Success ? ExitOk : ExitFailed;
}

// orvel-cli read: reads a radio over a serial port into a data file.

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/ConsoleMsgBox.h"
#include "cli/TransferConsole.h"
#include "core/Workspace.h"
#include "image/DataFile.h"
#include "link/QtSerialLine.h"

int RunRead(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reads the radio on a serial port and saves what it holds as a data file.\n"
        "PORT is a COM name (COM33 is /dev/ttyUSB0) or a device path such as /dev/pts/3.\n"
        "Exit status: 0 read and saved, 1 the read or the save failed, 2 usage error."));
    parser.addHelpOption();
    const QCommandLineOption port({QStringLiteral("p"), QStringLiteral("port")},
                                  QStringLiteral("The serial port the radio is on."), QStringLiteral("PORT"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The data file to write."), QStringLiteral("FILE.dat"));
    parser.addOption(port);
    parser.addOption(output);
    if (!parser.parse(arguments)) {
        Err() << "orvel-cli read: " << parser.errorText() << Qt::endl;
        return ExitUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        Out() << parser.helpText().replace(QStringLiteral("[options]"), QStringLiteral("read [options]"));
        Out().flush();
        return ExitOk;
    }
    if (!parser.isSet(port) || !parser.isSet(output) || !parser.positionalArguments().isEmpty()) {
        Err() << "orvel-cli read: usage: orvel-cli read --port PORT -o FILE.dat" << Qt::endl;
        return ExitUsage;
    }
    const QString portName = PortOption(QStringLiteral("read"), parser.value(port));
    if (portName.isEmpty())
        return ExitUsage;

    TWorkspace ws;
    PrepareWorkspace(ws);
    ws.All.PortName = portName;
    TQtSerialLine line;
    // Nobody is there to retry: a time-out ends the command.
    TConsoleMsgBox box(Err(), IdNo, IdCancel);
    TConsoleView view(QStringLiteral("Reading"));
    TReadFlow flow(ws, line, box, view);
    const TTransferOutcome outcome = RunToRest(flow);
    view.Finish();
    flow.Close();
    if (outcome != TTransferOutcome::Success)
        return ExitFailed;

    LoadReadChannels(ws, flow.Result());
    const QString path = parser.value(output);
    const TDataFileResult saved = SaveDataFile(path, ws);
    if (!saved.ok())
        return Fail(DataFileMessage(saved, path, ws.Language));
    return ExitOk;
}

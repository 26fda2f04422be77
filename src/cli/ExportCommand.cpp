// orvel-cli export: the channel table of a data file as CSV, one row per
// channel row (empty ones too), display texts as the table shows them.

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/Csv.h"
#include "core/Workspace.h"

#include <QSaveFile>

int RunExport(const QStringList &arguments)
{
    TCommandParser cmd(QStringLiteral("export"), QStringLiteral("Writes the channel table of a data file as CSV."),
                       QStringLiteral("FILE.dat"), QStringLiteral("The data file to export."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The CSV file to write (- for standard output)."),
                                    QStringLiteral("channels.csv"));
    cmd.parser().addOption(output);
    if (const int status = cmd.Parse(arguments); status >= 0)
        return status;
    if (!cmd.parser().isSet(output)) {
        Err() << "orvel-cli export: -o channels.csv is required" << Qt::endl;
        return ExitUsage;
    }

    TWorkspace ws;
    PrepareWorkspace(ws);
    if (!LoadForCli(cmd.file(), ws))
        return ExitFailed;

    const TChannelStore &store = ws.Channels;
    QString csv;
    for (int r = 1; r < store.RowCount(); ++r) // the header row, then every channel row
        csv += CsvLine(RowTexts(store, r)) + QStringLiteral("\r\n");

    const QString target = cmd.parser().value(output);
    if (target == QStringLiteral("-")) {
        Out() << csv;
        Out().flush();
        return ExitOk;
    }
    QSaveFile file(target);
    const QByteArray bytes = csv.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return Fail(QStringLiteral("%1: %2").arg(target, file.errorString()));
    return ExitOk;
}

// orvel-cli: Orvel data files from the command line.

#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include <QCoreApplication>
#include <functional>
#include <map>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvel-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVEL_VERSION));

    const std::map<QString, std::function<int(const QStringList &)>> commands = {
        {QStringLiteral("info"), RunInfo},
        {QStringLiteral("export"), RunExport},
        {QStringLiteral("import"), RunImport},
        {QStringLiteral("ports"), RunPorts},
        {QStringLiteral("simulate"), RunSimulate},
        {QStringLiteral("read"), RunRead},
        {QStringLiteral("write"), RunWrite},
    };

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Orvel programming software, command-line tool.\n\n"
        "Commands:\n"
        "  info FILE.dat [--json]             show what a data file holds\n"
        "  export FILE.dat -o channels.csv    write the channel table as CSV\n"
        "  import channels.csv -o FILE.dat    build a data file from a CSV table\n"
        "           [--base OLD.dat] [--model CODE] [--band BAND]\n"
        "  ports                              list the serial ports and whether they are free\n"
        "  simulate [--model CODE] [--image FILE.dat] [--save-to FILE.dat]\n"
        "           [--pace on|off] [--fault KIND[@N]]...\n"
        "                                     a simulated radio on a pseudo-terminal\n"
        "  read --port PORT -o FILE.dat       read the radio into a data file\n"
        "  write --port PORT FILE.dat [--force] [--verify]\n"
        "                                     write a data file into the radio\n\n"
        "orvel-cli COMMAND --help tells more about a command."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("info, export or import."));
    // Only the command is looked at here; its options are its own.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parser.parse(QCoreApplication::arguments())) {
        Err() << "orvel-cli: " << parser.errorText() << Qt::endl;
        return ExitUsage;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        Out() << "orvel-cli " << ORVEL_VERSION << Qt::endl;
        return ExitOk;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        if (parser.isSet(QStringLiteral("help"))) {
            Out() << parser.helpText();
            Out().flush();
            return ExitOk;
        }
        Err() << parser.helpText();
        Err().flush();
        return ExitUsage;
    }
    const auto command = commands.find(positional.first());
    if (command == commands.end()) {
        Err() << "orvel-cli: unknown command \"" << positional.first() << "\"; see orvel-cli --help" << Qt::endl;
        return ExitUsage;
    }
    QStringList arguments = positional.mid(1);
    arguments.prepend(QCoreApplication::arguments().first());
    return command->second(arguments);
}

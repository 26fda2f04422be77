// orvel-cli: Orvel data files from the command line.

#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>

namespace {

// The command is the first argument that is not an option.
bool RunsReport(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-')
            return std::strcmp(argv[i], "report") == 0;
    }
    return false;
}

// The offscreen platform chatters about what it cannot do for windows that
// nobody sees; the command's own failures go to stderr by other means.
void KeepOnlyCriticalMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// The report paints with the fonts and widgets of the desktop program, which
// need the graphical application object; the offscreen platform gives them
// without a display. Every other command stays a console program.
std::unique_ptr<QCoreApplication> MakeApplication(int &argc, char **argv)
{
    if (!RunsReport(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepOnlyCriticalMessages);
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

int main(int argc, char **argv)
{
    const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv);
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
        {QStringLiteral("report"), RunReport},
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
        "                                     write a data file into the radio\n"
        "  report FILE.dat -o report.pdf [--language English|Chinese]\n"
        "                                     the printed report of a data file as PDF\n\n"
        "orvel-cli COMMAND --help tells more about a command."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("info, export, import, ports, simulate, read, write or report."));
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

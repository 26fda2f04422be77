// Orvel, the programming software of the Orvel handheld radios.
//
//   orvel [--language NAME] [--port PORT] [--open FILE.dat] [--screenshot FILE.png]

#include "image/FileCommands.h"
#include "mainwindow/MainFrm.h"
#include "mainwindow/OrvelApp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTimer>
#include <chrono>
#include <cstdio>

using namespace std::chrono_literals;

namespace {

constexpr auto ScreenshotDelay = 500ms; // lets the maximised window settle

struct TOptions {
    QString language;
    QString port;
    QString open;
    QString screenshot;
};

TOptions ParseOptions(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reads, edits and writes the channels and settings of Orvel radios."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption language(QStringLiteral("language"),
        QStringLiteral("Start in language <name>, a language file of the settings "
                       "file's language list (for example English or Chinese)."),
        QStringLiteral("name"));
    const QCommandLineOption port(QStringLiteral("port"),
        QStringLiteral("Talk to the radio on <port>: COMn, or a device path such as "
                       "/dev/ttyUSB0 or the pseudo-terminal of \"orvel-cli simulate\"."),
        QStringLiteral("port"));
    const QCommandLineOption open(QStringLiteral("open"),
        QStringLiteral("Open data file <file> once the window is shown."), QStringLiteral("file"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
        QStringLiteral("Save a picture of the main window to <png> once it is shown, then "
                       "quit without asking and without saving anything."),
        QStringLiteral("png"));
    parser.addOptions({language, port, open, screenshot});
    parser.process(app);
    return {parser.value(language), parser.value(port), parser.value(open), parser.value(screenshot)};
}

// --help and --version answer without a display.
bool OnlyAsksForInformation(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" || arg == "--version")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (OnlyAsksForInformation(argc, argv)) {
        QCoreApplication info(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Orvel"));
        QCoreApplication::setApplicationVersion(QStringLiteral(ORVEL_VERSION));
        ParseOptions(info); // prints and exits
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvel"));
    QApplication::setApplicationVersion(QStringLiteral(ORVEL_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/mainwindow/icons/orvel.svg")));
    const TOptions options = ParseOptions(app);

    TOrvelApp orvel(QApplication::applicationFilePath());
    if (!options.language.isEmpty()) {
        QString error;
        if (!orvel.UseLanguage(options.language, &error)) {
            std::fprintf(stderr, "orvel: %s\n", qPrintable(error));
            return 2;
        }
    }

    // As if chosen in the port dialog before the start-up port check.
    if (!options.port.isEmpty())
        orvel.Workspace().All.PortName = options.port;

    TfMainFrm &window = orvel.ShowMainWindow();
    if (!options.open.isEmpty())
        window.FileCommands().OpenFile(options.open);

    if (!options.screenshot.isEmpty()) {
        QTimer::singleShot(ScreenshotDelay, &window, [&window, path = options.screenshot] {
            const bool saved = window.grab().save(path, "PNG");
            if (!saved)
                std::fprintf(stderr, "orvel: cannot write %s\n", qPrintable(path));
            // exit() rather than quit(): no close query, no settings save.
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}

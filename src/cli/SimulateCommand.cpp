// orvel-cli simulate: an Orvel radio on a pseudo-terminal, for trying the
// program (or testing it) without a radio. Serves session after session
// until SIGINT or SIGTERM.

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "core/Workspace.h"
#include "image/DataFile.h"
#include "link/PtyRadio.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

constexpr int kModelCodeLength = 4;

#ifdef Q_OS_UNIX
// SIGINT and SIGTERM end the event loop through a pipe: a signal handler may
// do nothing more than write to it.
int g_stopPipe[2] = {-1, -1};

void onStopSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_stopPipe[1], &byte, 1);
}

class StopSignals {
public:
    StopSignals()
    {
        if (::pipe(g_stopPipe) != 0)
            return;
        for (int fd : g_stopPipe)
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        m_notifier = std::make_unique<QSocketNotifier>(g_stopPipe[0], QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, qApp, &QCoreApplication::quit);
        struct sigaction action {};
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGINT, &action, &m_oldInt);
        ::sigaction(SIGTERM, &action, &m_oldTerm);
    }
    ~StopSignals()
    {
        ::sigaction(SIGINT, &m_oldInt, nullptr);
        ::sigaction(SIGTERM, &m_oldTerm, nullptr);
        m_notifier.reset();
        for (int &fd : g_stopPipe) {
            if (fd >= 0)
                ::close(fd);
            fd = -1;
        }
    }

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
    struct sigaction m_oldInt {};
    struct sigaction m_oldTerm {};
};
#endif

struct SimulateOptions {
    QString modelCode;
    QByteArray memory;
    QString saveTo;
    bool pacing = true;
    QList<TRadioSim::Fault> faults;
};

// Reads the options into options; returns -1 to go on, else the exit status.
int parseOptions(const QStringList &arguments, TWorkspace &ws, SimulateOptions &options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Serves a simulated Orvel radio on a pseudo-terminal until stopped (Ctrl+C). The first line on\n"
        "standard output is \"port: /dev/pts/N\": give that device as the port of orvel-cli read/write\n"
        "or of the desktop program. One line per session goes to standard error.\n"
        "Needs a Unix system with pseudo-terminals (Linux)."));
    parser.addHelpOption();
    const QCommandLineOption model(
        QStringLiteral("model"),
        QStringLiteral("The model code the radio reports (default: the image's model, else the first "
                       "catalogue model). Any four characters are taken: a code outside the catalogue "
                       "simulates a radio the program does not know."),
        QStringLiteral("CODE"));
    const QCommandLineOption image(QStringLiteral("image"),
                                   QStringLiteral("Start with the memory of this data file (default: blank, 0xFF)."),
                                   QStringLiteral("FILE.dat"));
    const QCommandLineOption saveTo(QStringLiteral("save-to"),
                                    QStringLiteral("After each session, save what the radio holds as a data file."),
                                    QStringLiteral("FILE.dat"));
    const QCommandLineOption pace(QStringLiteral("pace"),
                                  QStringLiteral("on (default): every byte takes the line time of 9600 baud 8N2; "
                                                 "off: replies at once."),
                                  QStringLiteral("on|off"), QStringLiteral("on"));
    const QCommandLineOption fault(
        QStringLiteral("fault"),
        QStringLiteral("Inject a fault at the N-th frame received (default 1), counted over the radio's life; "
                       "repeatable. KIND: no-answer, short-reply, wrong-ack, garbage, slow-reply, disappear."),
        QStringLiteral("KIND[@N]"));
    parser.addOptions({model, image, saveTo, pace, fault});

    auto usage = [](const QString &message) {
        Err() << "orvel-cli simulate: " << message << Qt::endl;
        return int(ExitUsage);
    };
    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        Out() << parser.helpText().replace(QStringLiteral("[options]"), QStringLiteral("simulate [options]"));
        Out().flush();
        return ExitOk;
    }
    if (!parser.positionalArguments().isEmpty())
        return usage(QStringLiteral("takes no file arguments; see orvel-cli simulate --help"));

    const QString paceText = parser.value(pace).toLower();
    if (paceText != QStringLiteral("on") && paceText != QStringLiteral("off"))
        return usage(QStringLiteral("--pace takes on or off, not \"%1\"").arg(parser.value(pace)));
    options.pacing = paceText == QStringLiteral("on");

    for (const QString &text : parser.values(fault)) {
        QString error;
        const std::optional<TRadioSim::Fault> parsed = TRadioSim::ParseFault(text, &error);
        if (!parsed)
            return usage(QStringLiteral("--fault %1").arg(error));
        options.faults.append(*parsed);
    }

    options.modelCode = ws.Models.Item(0)->Code;
    options.memory = QByteArray(TRadioSim::MemorySize, char(0xFF));
    if (parser.isSet(image)) {
        if (!LoadForCli(parser.value(image), ws))
            return ExitFailed;
        options.modelCode = ws.All.CurrentModel->Code;
        options.memory = MemoryFromWorkspace(ws);
    }
    if (parser.isSet(model)) {
        options.modelCode = parser.value(model);
        if (options.modelCode.size() != kModelCodeLength
            || QString::fromLatin1(options.modelCode.toLatin1()) != options.modelCode)
            return usage(QStringLiteral("--model takes a code of four characters, not \"%1\"").arg(options.modelCode));
    }
    options.saveTo = parser.value(saveTo);
    if (!options.saveTo.isEmpty() && !ws.Models.FindByCode(options.modelCode))
        return usage(QStringLiteral("--save-to needs a catalogue model: a data file cannot hold model \"%1\"")
                         .arg(options.modelCode));
    return -1;
}

// Writes what the radio holds as a data file, as a read of it would give.
void saveMemory(const QByteArray &memory, const QString &modelCode, const QString &path)
{
    TWorkspace ws;
    PrepareWorkspace(ws);
    if (!WorkspaceFromMemory(memory, modelCode, ws)) {
        Err() << "  not saved: model " << modelCode << " is not in the catalogue" << Qt::endl;
        return;
    }
    const TDataFileResult saved = SaveDataFile(path, ws);
    if (saved.ok())
        Err() << "  saved to " << path << Qt::endl;
    else
        Err() << "  not saved: " << DataFileMessage(saved, path, ws.Language) << Qt::endl;
}

} // namespace

int RunSimulate(const QStringList &arguments)
{
    TWorkspace ws;
    PrepareWorkspace(ws);
    SimulateOptions options;
    if (const int status = parseOptions(arguments, ws, options); status >= 0)
        return status;

    TRadioSim sim(options.modelCode);
    sim.SetMemory(options.memory);
    for (const TRadioSim::Fault &f : options.faults)
        sim.AddFault(f);
    TPtyRadio radio(sim, options.pacing);
    QString error;
    if (!radio.Start(&error))
        return Fail(QStringLiteral("cannot start the simulated radio: %1").arg(error));

#ifdef Q_OS_UNIX
    StopSignals stopSignals;
#endif
    Out() << "port: " << radio.DevicePath() << Qt::endl;

    const TMacType *known = ws.Models.FindByCode(options.modelCode);
    Err() << "Simulating " << (known ? known->Name : QStringLiteral("a radio outside the catalogue")) << " (model "
          << options.modelCode << "), pacing " << (options.pacing ? "on" : "off") << "; stop with Ctrl+C"
          << Qt::endl;
    QObject::connect(&radio, &TPtyRadio::SessionEnded, &radio, [&](int reads, int writes) {
        Err() << "session " << radio.Sessions() << " ended: " << reads << " read requests, " << writes
              << " write frames" << Qt::endl;
        if (!options.saveTo.isEmpty())
            saveMemory(radio.Memory(), options.modelCode, options.saveTo);
    });
    QObject::connect(&radio, &TPtyRadio::Disappeared, &radio, [] {
        Err() << "the radio disappeared (fault): the pseudo-terminal is closed" << Qt::endl;
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    radio.Stop();
    return ExitOk;
}

// Start-up of the desktop program to a shown main window, offscreen:
// application object, the shared objects with the settings and language
// files of the program folder, the main window and its first show with the
// channel table. Prints the wall time and the peak memory.
//
//   bench_startup [LANGUAGE]   (English, Chinese; default: the settings file's)
//
// Targets: at most 0.3 s and 80 MB.

#include "mainwindow/MainFrm.h"
#include "mainwindow/OrvelApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <cstdio>
#include <sys/resource.h>

namespace {
constexpr double TargetSeconds = 0.3;
constexpr double TargetMegabytes = 80.0;

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}
} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/mainwindow/icons/orvel.svg")));
    const QString language = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

    // The program's own start-up, with this program's folder (bin/, beside
    // the language files) as the program folder.
    TOrvelApp orvel(QApplication::applicationFilePath());
    if (!language.isEmpty() && !orvel.UseLanguage(language, nullptr)) {
        std::fprintf(stderr, "bench_startup: unknown language %s\n", qPrintable(language));
        return 2;
    }
    const qint64 coreDone = clock.nsecsElapsed();

    TfMainFrm &window = orvel.ShowMainWindow();
    QApplication::processEvents();
    const qint64 shown = clock.nsecsElapsed();

    const double seconds = double(shown) / 1e9;
    const double megabytes = PeakMegabytes();
    std::printf("language             : %s\n",
                qPrintable(orvel.Workspace().All.LanguageName));
    std::printf("shared objects ready : %8.1f ms\n", double(coreDone) / 1e6);
    std::printf("main window shown    : %8.1f ms  (target <= %.0f ms)  %s\n", seconds * 1e3,
                TargetSeconds * 1e3, seconds <= TargetSeconds ? "ok" : "OVER");
    std::printf("peak memory (maxrss) : %8.1f MB  (target <= %.0f MB)  %s\n", megabytes,
                TargetMegabytes, megabytes <= TargetMegabytes ? "ok" : "OVER");
    return window.IsStarted() ? 0 : 1;
}

// orvel-cli report: the printed report of a data file, as a PDF. The report
// is filled from the windows exactly as the desktop program fills it (the
// main window, the channel table and the function settings dialog, on the
// offscreen platform, never shown on a screen), so the two give the same
// report in every language.

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/ConsoleMsgBox.h"
#include "core/Maindb.h"
#include "core/Settings.h"
#include "core/Workspace.h"
#include "image/FileChooser.h"
#include "image/FileCommands.h"
#include "mainwindow/MainFrm.h"
#include "mainwindow/ReportFill.h"
#include "mainwindow/ReportRenderer.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QUrl>

namespace {

// Nobody is there to choose a file.
class TNoFileChooser : public TFileChooser {
public:
    QString ChooseOpenFile() override { return {}; }
    QString ChooseSaveFile() override { return {}; }
    QString ChooseReportFile() override { return {}; }
};

} // namespace

int RunReport(const QStringList &arguments)
{
    TCommandParser cmd(QStringLiteral("report"),
                       QStringLiteral("Writes the printed report of a data file (header, function settings, "
                                      "channels) as a PDF file on Letter pages. Needs no display."),
                       QStringLiteral("FILE.dat"), QStringLiteral("The data file to report."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The PDF file to write."), QStringLiteral("report.pdf"));
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("The report's language, a language file of the settings file's language list "
                       "(English or Chinese); the desktop program's language when left out."),
        QStringLiteral("name"));
    cmd.parser().addOption(output);
    cmd.parser().addOption(language);
    if (const int status = cmd.Parse(arguments); status >= 0)
        return status;
    if (!cmd.parser().isSet(output)) {
        Err() << "orvel-cli report: -o report.pdf is required" << Qt::endl;
        return ExitUsage;
    }
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return Fail(QStringLiteral("report needs the widgets application object"));

    // The report must never take the place of its own data file.
    const QFileInfo input(cmd.file());
    const QFileInfo target(cmd.parser().value(output));
    if (input.exists() && target.exists() && input.canonicalFilePath() == target.canonicalFilePath()) {
        Err() << "orvel-cli report: the report would overwrite its data file " << cmd.file() << Qt::endl;
        return ExitUsage;
    }

    // A file that does not load is refused with the command line's own
    // message before any window exists.
    {
        TWorkspace probe;
        PrepareWorkspace(probe);
        if (!LoadForCli(cmd.file(), probe))
            return ExitFailed;
    }

    const QString folder = AppFolderOf(QCoreApplication::applicationFilePath());
    const TSettingsPaths settings = SettingsPathsFor(folder);
    TWorkspace ws;
    DataModuleCreate(ws, folder, settings);
    if (cmd.parser().isSet(language)) {
        QString error;
        if (!UseLanguage(ws, settings.readPath, cmd.parser().value(language), &error)) {
            Err() << "orvel-cli report: " << error << Qt::endl;
            return ExitUsage;
        }
    }

    TConsoleMsgBox box(Err());
    TNoFileChooser chooser;
    // No port list (nothing talks to a radio) and no desktop to open help
    // on. The window is never closed, so the settings file is never saved.
    TfMainFrm frame(TMainServices{ws, box, chooser, settings, [] { return QStringList(); },
                                  [](const QUrl &) { return false; }});
    frame.show(); // the first show completes the start-up: texts, channel table
    if (!frame.FileCommands().OpenFile(cmd.file()))
        return ExitFailed;

    FillReport(ws, ReportHeaderOf(frame));
    QString error;
    if (!WriteReportPdf(ws.Report, cmd.parser().value(output), QDateTime::currentDateTime(), &error))
        return Fail(error);
    return ExitOk;
}

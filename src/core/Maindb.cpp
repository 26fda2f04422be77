#include "core/Maindb.h"

#include "core/Settings.h"
#include "core/Workspace.h"
#include "localisation/Messages.h"

#include <QDir>
#include <QFileInfo>

QString AppFolderOf(const QString &applicationFilePath)
{
    const QString path = QDir::fromNativeSeparators(applicationFilePath);
    return path.left(path.lastIndexOf(u'/') + 1);
}

namespace {

QString WithFinalSlash(const QString &folder)
{
    QString f = QDir::fromNativeSeparators(folder);
    if (!f.isEmpty() && !f.endsWith(u'/'))
        f += u'/';
    return f;
}

} // namespace

void DataModuleCreate(TWorkspace &ws, const QString &appFolder, const TSettingsPaths &settings)
{
    const QString folder = WithFinalSlash(appFolder);
    ws.All.AppFolder = folder;
    BuildWorkspace(ws);
    LoadSettings(ws.All, settings.readPath);
    LoadMessages(ws.Language, folder, ws.All.LanguageName);
    ws.All.Refreshing = false;
}

void DataModuleCreate(TWorkspace &ws, const QString &appFolder)
{
    DataModuleCreate(ws, appFolder, SettingsPathsFor(WithFinalSlash(appFolder)));
}

bool UseLanguage(TWorkspace &ws, const QString &settingsPath, const QString &name, QString *error)
{
    QStringList displayNames;
    QStringList fileNames;
    LoadLanguageList(settingsPath, ws.All.LanguageName, displayNames, fileNames);
    const qsizetype index = fileNames.indexOf(name);
    if (index < 0) {
        if (error)
            *error = QStringLiteral("unknown language \"%1\"; the language list has: %2")
                         .arg(name, fileNames.join(QStringLiteral(", ")));
        return false;
    }
    // A listed language without its file would give a window half in the
    // built-in texts.
    const QString file = LanguageFilePath(ws.All.AppFolder, name);
    if (!QFileInfo::exists(file)) {
        if (error)
            *error = QStringLiteral("language \"%1\" has no language file %2").arg(name, QDir::toNativeSeparators(file));
        return false;
    }
    ws.All.LanguageName = name;
    ws.All.LanguageIndex = int(index);
    LoadMessages(ws.Language, ws.All.AppFolder, name);
    return true;
}

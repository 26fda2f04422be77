#include "core/Settings.h"

#include "core/AppState.h"
#include "core/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <limits>

using namespace SettingsKeys;

namespace {

QString InFolder(const QString &folder, QStringView fileName)
{
    if (folder.isEmpty() || folder.endsWith(u'/'))
        return folder + fileName.toString();
    return folder + u'/' + fileName.toString();
}

QString Read(const TIniFile &ini, QStringView key, QStringView def)
{
    return ini.ReadString(Section.toString(), key.toString(), def.toString());
}

// Whether a settings file could be saved in folder: a read-only settings
// file counts as a no, and so does a folder where no file can be created
// (the only test that tells the truth about access rights everywhere).
bool CanWriteSettingsIn(const QString &folder)
{
    const QFileInfo settings(InFolder(folder, FileName));
    if (settings.exists() && !settings.isWritable())
        return false;
    QTemporaryFile probe(InFolder(folder.isEmpty() ? QStringLiteral(".") : folder,
                                  u".orvel-write-test-XXXXXX"));
    return probe.open();
}

} // namespace

TSettingsPaths ResolveSettingsPaths(const QString &appFolder, const QString &userConfigFolder,
                                    bool appFolderWritable)
{
    const QString shipped = InFolder(appFolder, FileName);
    if (appFolderWritable || userConfigFolder.isEmpty())
        return {shipped, shipped};
    const QString own = InFolder(userConfigFolder, FileName);
    return {QFile::exists(own) ? own : shipped, own};
}

TSettingsPaths SettingsPathsFor(const QString &appFolder)
{
    return ResolveSettingsPaths(appFolder,
                                QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                                CanWriteSettingsIn(appFolder));
}

QStringList SplitListValue(const QString &value)
{
    QStringList items;
    QString rest = value;
    while (!rest.isEmpty()) {
        const qsizetype bar = rest.indexOf(u'|');
        if (bar < 0) {
            items.append(rest);
            rest.clear();
        } else {
            items.append(rest.left(bar));
            rest.remove(0, bar + 1);
        }
    }
    return items;
}

void LoadSettings(TALL &all, const QString &settingsPath)
{
    TIniFile ini(settingsPath);
    ini.Load(); // an unreadable file reads as defaults, like a missing one

    all.PortName = Read(ini, Com, DefaultCom);
    all.HelpPrefix = Read(ini, Help, DefaultHelp);

    bool ok = false;
    const int index = Read(ini, DefaultLanguage, DefaultLanguageIndex).toInt(&ok);
    all.LanguageIndex = ok ? index : 0;

    // PicId is the number plus one, so a number whose successor does not fit
    // counts as no number rather than overflowing.
    const qint64 pic = Read(ini, PicID, DefaultPicID).toLongLong(&ok);
    const bool picFits = ok && pic >= std::numeric_limits<int>::min() && pic < std::numeric_limits<int>::max();
    all.PicId = picFits ? int(pic + 1) : 1;

    // A negative index or one past the last item selects no language.
    all.LanguageName = SplitListValue(Read(ini, Language, DefaultLanguageList)).value(all.LanguageIndex);
}

bool SaveSettings(const TALL &all, const TSettingsPaths &paths, QString *error)
{
    // The user's copy starts as the shipped file, so it keeps the language
    // list and the help prefix.
    TIniFile ini(QFile::exists(paths.writePath) ? paths.writePath : paths.readPath);
    const QString section = Section.toString();
    const bool done = ini.Load()
        && ini.WriteString(section, Com.toString(), all.PortName)
        && ini.WriteString(section, DefaultLanguage.toString(), QString::number(all.LanguageIndex))
        && ini.WriteString(section, PicID.toString(), QString::number(qint64(all.PicId) - 1))
        && QDir().mkpath(QFileInfo(paths.writePath).absolutePath())
        && ini.SaveAs(paths.writePath);
    if (!done && error)
        *error = QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(paths.writePath));
    return done;
}

void LoadLanguageList(const QString &settingsPath, const QString &languageName,
                      QStringList &displayNames, QStringList &fileNames)
{
    TIniFile ini(settingsPath);
    ini.Load();
    fileNames.append(SplitListValue(Read(ini, Language, DefaultLanguageList)));
    displayNames.append(SplitListValue(
        ini.ReadString(Section.toString(), languageName, DefaultDisplayNames.toString())));
}

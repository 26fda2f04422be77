#pragma once
// The settings file "SysInfo.Ini": serial port, chosen language, help file
// prefix, picture number, the language list and the display names of the
// languages, all in section "SysInfo". Read once at start-up; the language
// keys again whenever the language dialog opens; "Com", "DefaultLanguage"
// and "PicID" written back at exit. The program adds no other key.
//
// The file belongs in the program folder. An installed program cannot write
// there, so its users keep their own copy in the per-user configuration
// folder; until that copy exists, the program folder's file (the shipped
// defaults) is read, and the first save starts the user's copy from it.

#include <QString>
#include <QStringList>
#include <QStringView>

struct TALL;

namespace SettingsKeys {
inline constexpr QStringView FileName = u"SysInfo.Ini";
inline constexpr QStringView Section = u"SysInfo";
inline constexpr QStringView Com = u"Com";
inline constexpr QStringView DefaultLanguage = u"DefaultLanguage";
inline constexpr QStringView Help = u"Help";
inline constexpr QStringView PicID = u"PicID";
inline constexpr QStringView Language = u"Language";
// The display names of the languages are under a key named after the
// current language ("English"), written in that language.

inline constexpr QStringView DefaultCom = u"Com1";
inline constexpr QStringView DefaultLanguageIndex = u"0";
inline constexpr QStringView DefaultHelp = u"QN";
inline constexpr QStringView DefaultPicID = u"0";
inline constexpr QStringView DefaultLanguageList = u"Chinese|English";
inline constexpr QStringView DefaultDisplayNames = u"中文|英文"; // Chinese|English, in Chinese
} // namespace SettingsKeys

// Where the settings file is read from and written to.
struct TSettingsPaths {
    QString readPath;
    QString writePath;
};

// appFolder and userConfigFolder are folders (with or without a final "/").
// Writable program folder: its SysInfo.Ini for both. Otherwise the user's
// copy is written, and read when it exists, else the program folder's file
// is read. An empty userConfigFolder (no such folder on the system) leaves
// both on the program folder.
TSettingsPaths ResolveSettingsPaths(const QString &appFolder, const QString &userConfigFolder,
                                    bool appFolderWritable);
// The same, with the real per-user configuration folder and a real test of
// whether the program folder (and its settings file) can be written.
TSettingsPaths SettingsPathsFor(const QString &appFolder);

// The items of a "|"-separated list value: "A||B" has an empty middle item,
// a final "|" adds no item, "" has none.
QStringList SplitListValue(const QString &value);

// PortName, LanguageIndex, HelpPrefix, PicId and LanguageName from the file
// at settingsPath. A missing file or key gives the defaults; a value that is
// not a 32-bit integer gives index 0 and PicId 1. LanguageName is item
// LanguageIndex of the language list, empty when there is no such item.
void LoadSettings(TALL &all, const QString &settingsPath);

// Writes "Com", "DefaultLanguage" and "PicID" (PicId - 1), keeping the rest
// of the file. False with *error "Unable to write to <path>" when the file
// cannot be written; the old file is then untouched.
bool SaveSettings(const TALL &all, const TSettingsPaths &paths, QString *error = nullptr);

// Appends the language file names of the language list to fileNames and the
// display names found under the key languageName to displayNames. The two
// correspond by position; nothing checks that their lengths agree.
void LoadLanguageList(const QString &settingsPath, const QString &languageName,
                      QStringList &displayNames, QStringList &fileNames);

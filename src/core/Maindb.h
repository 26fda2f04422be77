#pragma once
// Start-up of the program's shared objects, before any window exists: the
// catalogue, the settings records, the settings file and the message table
// of the chosen language. Reports nothing: missing or damaged files give the
// built-in defaults.

#include <QString>

struct TWorkspace;
struct TSettingsPaths;

// The folder of the program file, ending with "/": "/opt/orvel/bin/orvel"
// gives "/opt/orvel/bin/". Native separators are accepted. Empty for a bare
// file name (the current folder).
QString AppFolderOf(const QString &applicationFilePath);

// Brings a freshly constructed workspace to the state in which the main
// window takes over: AppFolder (a "/" appended when missing), the band list
// and the catalogue, ProductTitle, the settings records reset, the settings
// file read from settings.readPath, the message table loaded for
// LanguageName from appFolder, Refreshing and TestOnlineVisible false. No
// model or band is selected yet. Call once per workspace.
void DataModuleCreate(TWorkspace &ws, const QString &appFolder, const TSettingsPaths &settings);
// The same with the settings file found by SettingsPathsFor(appFolder).
void DataModuleCreate(TWorkspace &ws, const QString &appFolder);

// Starts in the language whose file name is name (as if chosen in the
// language dialog): LanguageName, LanguageIndex and the message table. False
// with *error when the language list of the settings file at settingsPath
// has no such name, or the program folder no file of it; nothing changes
// then.
bool UseLanguage(TWorkspace &ws, const QString &settingsPath, const QString &name, QString *error);

#pragma once
// Loading the message table from a language file: section "Language" of
// program folder + language name + ".Ini". Every key that the file lacks,
// and every key when the file is missing, keeps its built-in text.

#include <QString>
#include <QStringView>

struct TLanguage;

namespace LanguageFile {
inline constexpr QStringView Suffix = u".Ini";
inline constexpr QStringView MessageSection = u"Language";
} // namespace LanguageFile

// appFolder + languageName + ".Ini"; empty for an empty name and for a name
// with a path separator, which would lead out of the program folder.
QString LanguageFilePath(const QString &appFolder, const QString &languageName);

// Fills every field of table from the file at path (built-in texts where the
// file or a key is missing; an empty path gives all built-in texts).
void LoadMessages(TLanguage &table, const QString &languageFilePath);
// The same for the language file of languageName in appFolder.
void LoadMessages(TLanguage &table, const QString &appFolder, const QString &languageName);

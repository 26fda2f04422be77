#include "localisation/Messages.h"

#include "core/IniFile.h"
#include "core/MessageTable.h"

QString LanguageFilePath(const QString &appFolder, const QString &languageName)
{
    if (languageName.isEmpty() || languageName.contains(u'/') || languageName.contains(u'\\'))
        return {};
    return appFolder + languageName + LanguageFile::Suffix.toString();
}

void LoadMessages(TLanguage &table, const QString &languageFilePath)
{
    SetBuiltInMessages(table);
    if (languageFilePath.isEmpty())
        return;
    TIniFile ini(languageFilePath);
    ini.Load(); // an unreadable file is as good as a missing one: built-in texts
    const QString section = LanguageFile::MessageSection.toString();
    for (const TMessageKey &k : MessageKeys())
        table.*k.field = ini.ReadString(section, QString::fromLatin1(k.key), table.*k.field);
}

void LoadMessages(TLanguage &table, const QString &appFolder, const QString &languageName)
{
    LoadMessages(table, LanguageFilePath(appFolder, languageName));
}

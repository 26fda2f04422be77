#include "mainwindow/Help.h"

#include "core/AppState.h"

#include <QFileInfo>
#include <QStringList>
#include <QtDebug>

namespace {
const QString CompiledSuffix = QStringLiteral(".chm");
const QString ManualSuffix = QStringLiteral(".html");
const QString FallbackLanguage = QStringLiteral("English");
} // namespace

QString HelpFilePath(const TALL &all)
{
    const QString stem = all.AppFolder + all.HelpPrefix + u'_';
    QStringList candidates;
    // A language name with a path in it would lead out of the program folder.
    if (!all.LanguageName.isEmpty() && !all.LanguageName.contains(u'/')
        && !all.LanguageName.contains(u'\\')) {
        candidates << stem + all.LanguageName + CompiledSuffix
                   << stem + all.LanguageName + ManualSuffix;
    }
    candidates << stem + FallbackLanguage + ManualSuffix;
    for (const QString &path : std::as_const(candidates))
        if (QFileInfo(path).isFile())
            return path;
    return {};
}

bool OpenHelp(const TALL &all, const TUrlLauncher &launch)
{
    const QString path = HelpFilePath(all);
    if (path.isEmpty()) {
        qWarning("No help file for language \"%s\" in %s", qPrintable(all.LanguageName),
                 qPrintable(all.AppFolder));
        return false;
    }
    return launch && launch(QUrl::fromLocalFile(path));
}

#pragma once
// Pictures of dialogs for a person to look at (is everything readable, is
// nothing cut off, in both languages), not checks: they are written only
// when ORVEL_DIALOG_PICTURES names a folder, as <form>-<language>.png.

#include "core/Workspace.h"
#include "support/Fixtures.h"

#include <QStringList>
#include <QWidget>
#include <QtTest>
#include <functional>
#include <memory>

// The folder to write to; empty when pictures are not asked for.
inline QString PictureFolder()
{
    return qEnvironmentVariable("ORVEL_DIALOG_PICTURES");
}

inline QStringList PictureLanguages()
{
    return {QStringLiteral("English"), QStringLiteral("Chinese")};
}

// Windows of all show language: the built-in texts for English (the first
// language is never translated), the shipped file for the others.
inline void UseShippedLanguage(TALL &all, const QString &language)
{
    all.AppFolder = QStringLiteral(ORVEL_SHARE_DIR "/");
    all.LanguageName = language;
    all.LanguageIndex = PictureLanguages().indexOf(language);
}

// Shows the dialog, lets its layout settle and writes its picture.
inline bool SavePicture(QWidget &dialog, const QString &language)
{
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return false;
    QTest::qWait(50);
    return dialog.grab().save(PictureFolder() + u'/' + dialog.objectName() + u'-' + language
                              + QStringLiteral(".png"));
}

// Pictures of the dialog that open(ws) makes, in each language, over a
// workspace with one channel. False when one could not be written.
inline bool SavePictures(const std::function<std::unique_ptr<QWidget>(TWorkspace &)> &open)
{
    for (const QString &language : PictureLanguages()) {
        auto ws = NewWorkspace();
        UseShippedLanguage(ws->All, language);
        TypeChannel(*ws, 1, QStringLiteral("460"));
        const std::unique_ptr<QWidget> dialog = open(*ws);
        if (!SavePicture(*dialog, language))
            return false;
    }
    return true;
}

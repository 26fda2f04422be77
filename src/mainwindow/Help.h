#pragma once
// The help command: the help file of the current language beside the
// program. A compiled help file (HelpPrefix_Language.chm) is preferred where
// one is installed; otherwise the HTML manual (HelpPrefix_Language.html),
// falling back to the English manual, opened in the desktop's browser.

#include <QString>
#include <QUrl>
#include <functional>

struct TALL;

// How a help file is handed to the desktop; QDesktopServices::openUrl in
// the program, a recorder in tests. Returns whether the desktop took it.
using TUrlLauncher = std::function<bool(const QUrl &)>;

// The help file to open for the current language: the first that exists of
// <AppFolder><prefix>_<language>.chm, .html, then <prefix>_English.html.
// Empty when there is none.
QString HelpFilePath(const TALL &all);

// Opens HelpFilePath with launch. A missing help file opens nothing and
// shows nothing (as a missing compiled help file never did); it is noted on
// the diagnostic output. False when nothing was opened.
bool OpenHelp(const TALL &all, const TUrlLauncher &launch);

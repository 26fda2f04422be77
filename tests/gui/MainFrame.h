#pragma once
// A main window for tests: its own program folder and settings file,
// scripted message boxes, file dialogs, port list and desktop, and a way to
// act on the modal dialog a command opens.

#include "ScriptedFileChooser.h"
#include "core/Maindb.h"
#include "core/Workspace.h"
#include "mainwindow/MainFrm.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempFiles.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>

// A main window over its own program folder, with scripted boxes, file
// dialogs, port list and desktop.
struct Frame {
    QTemporaryDir dir;
    std::unique_ptr<TWorkspace> ws = std::make_unique<TWorkspace>();
    ScriptedMsgBox box;
    ScriptedFileChooser chooser;
    QStringList ports;
    QList<QUrl> launched;
    TSettingsPaths settings;
    std::unique_ptr<TfMainFrm> window;

    explicit Frame(const QByteArray &settingsFile = {}, const QStringList &freePorts = {})
        : ports(freePorts)
    {
        const QString ini = dir.filePath(QStringLiteral("SysInfo.Ini"));
        if (!settingsFile.isEmpty())
            WriteBytes(ini, settingsFile);
        settings = {ini, ini};
        DataModuleCreate(*ws, dir.path(), settings);
        window = std::make_unique<TfMainFrm>(TMainServices{
            *ws, box, chooser, settings, [this] { return ports; },
            [this](const QUrl &url) { launched.append(url); return true; }});
    }
    QString folder() const { return ws->All.AppFolder; }
    void show() { window->show(); }
    QAction *action(const char *name) const
    {
        return window->findChild<QAction *>(QString::fromLatin1(name));
    }
    QString label(const char *name) const
    {
        return window->findChild<QLabel *>(QString::fromLatin1(name))->text();
    }
};

// Acts on the modal dialog that the next command opens, once it is shown.
// A command that opens none leaves the watch running only for a bounded
// time, so it cannot act on a later test's dialog with this test's gone
// variables.
inline void WhenDialogShows(std::function<void(QWidget *)> act)
{
    constexpr int PollMs = 10;
    constexpr int GiveUpMs = 15000;
    auto *poll = new QTimer;
    poll->setInterval(PollMs);
    auto *waited = new int(0);
    QObject::connect(poll, &QTimer::timeout, [poll, act, waited] {
        QWidget *dialog = QApplication::activeModalWidget();
        *waited += PollMs;
        if (dialog || *waited >= GiveUpMs) {
            poll->stop();
            poll->deleteLater();
            delete waited;
            if (dialog)
                act(dialog);
            else
                qWarning("WhenDialogShows: no dialog came up");
        }
    });
    poll->start();
}


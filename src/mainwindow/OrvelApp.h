#pragma once
// The desktop program's single shared objects and their start-up: one
// workspace (the state, catalogue, settings records, message table and
// channel table), one message box, one file chooser and the main window.
// They live as long as this object, which main() keeps for the whole run.

#include "core/Settings.h"
#include "core/Workspace.h"
#include "image/FileChooser.h"
#include "localisation/DesktopMsgBox.h"

#include <QString>
#include <memory>

class TfMainFrm;

class TOrvelApp {
public:
    // The start-up before any window: AppFolder from the program's path,
    // the settings file (the per-user copy when the program folder cannot be
    // written), the catalogue, the settings records and the message table.
    explicit TOrvelApp(const QString &applicationFilePath);
    ~TOrvelApp();
    TOrvelApp(const TOrvelApp &) = delete;
    TOrvelApp &operator=(const TOrvelApp &) = delete;

    // Starts in the language with file name `name` (as if chosen in the
    // language dialog). False with *error when the language list of the
    // settings file has no such name; nothing changes then.
    bool UseLanguage(const QString &name, QString *error);

    // Creates the main window and shows it maximised; its first show
    // completes the start-up.
    TfMainFrm &ShowMainWindow();

    TWorkspace &Workspace() { return m_ws; }
    const TSettingsPaths &SettingsPaths() const { return m_settings; }
    TfMainFrm *MainWindow() const { return m_main.get(); }

private:
    TWorkspace m_ws;
    TSettingsPaths m_settings;
    TDesktopMsgBox m_box;
    TDialogFileChooser m_chooser;
    std::unique_ptr<TfMainFrm> m_main;
};

#pragma once
// The main window: a maximised frame with the menu, the tool bar, the model
// and band display, the MDI area holding the channel table window and the
// status bar. Every command enters through Dispatch with the number in the
// Tag of its menu item or tool button. The first show completes the
// start-up; closing asks first, offers to save and saves the settings file.
//
// The window works on the workspace, message box, file chooser and desktop
// services it is given, so that tests can run it on their own.

#include "core/Settings.h"
#include "mainwindow/Help.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QToolBar;
class TFileChooser;
class TFileCommands;
class TMainCommands;
class TMainMdiArea;
class TMsgBox;
class TStatusPanels;
class TfChInfo;
struct TReadResult;
struct TWorkspace;

// The free serial ports, "COM" + number in increasing order.
using TPortLister = std::function<QStringList()>;

struct TMainServices {
    TWorkspace &ws;
    TMsgBox &box;
    TFileChooser &chooser;
    TSettingsPaths settings;
    TPortLister listPorts;  // none: ListPorts
    TUrlLauncher openUrl;   // none: QDesktopServices::openUrl
};

class TfMainFrm : public QMainWindow {
    Q_OBJECT
public:
    // objectName "fMainFrm".
    explicit TfMainFrm(const TMainServices &services, QWidget *parent = nullptr);
    ~TfMainFrm() override;

    // Closes the channel table's editor and selectors, then runs command
    // number (a number without a command does nothing more).
    void Dispatch(int number);
    // Status panels, model and band display and caption from the state.
    void RefreshStatus();
    // Creates the channel table window once and shows it.
    void ShowChannelTable();
    // Moves the channels of a successful read into the channel table (the
    // read's model, band, settings and messages are taken by
    // ApplyReadResult when the read ends): Modified set, no file name.
    void LoadReadResult(const TReadResult &result);

    // After the language dialog changed the language: the message table,
    // this window's texts (with lists), the status and the channel table.
    void ApplyLanguage();

    TFileCommands &FileCommands() const;
    TMainServices &Services() { return m_services; }
    const TMainServices &Services() const { return m_services; }
    TfChInfo *ChInfo() const; // none before the first show
    TMainMdiArea *MdiArea() const { return m_mdi; }
    TStatusPanels *StatusPanels() const { return m_statusBar; }
    QWidget *ToolBarPanel() const { return m_toolPanel; }
    // The language file of the current language in the program folder.
    QString LanguageFile() const;
    // Whether the window has completed the start-up (its first show).
    bool IsStarted() const { return m_started; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildPanels();
    void buildMenus();
    void FormShow();
    void CheckPort();
    bool FormCloseQuery();
    void FormClose();
    void TimerTimer();
    void ButtonClick();

    TMainServices m_services;
    std::unique_ptr<TFileCommands> m_files;
    std::unique_ptr<TMainCommands> m_commands;
    TMainMdiArea *m_mdi = nullptr;
    TStatusPanels *m_statusBar = nullptr;
    QWidget *m_toolPanel = nullptr; // pBar
    QToolBar *m_toolBar = nullptr;  // tbar
    QLabel *m_model = nullptr;      // stModel
    QLabel *m_band = nullptr;       // stFreq
    QLabel *m_portCaption = nullptr; // lCom, hidden
    QComboBox *m_ports = nullptr;   // cbCom, hidden
    QPointer<TfChInfo> m_chInfo;
    QTimer m_timer;
    bool m_started = false;
};

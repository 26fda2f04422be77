#pragma once
// The main window's commands as data: every menu, menu item and tool button
// with its component name, built-in caption, command number (the "Tag"),
// shortcut and whether it is ever shown. MainMenu builds the widgets from
// these tables; the dispatcher runs a command by its number.

#include <span>

// Command numbers carried in the Tag of menu items and tool buttons.
enum TCommand : int {
    CmdNone = 0,
    CmdNew = 1,
    CmdOpen = 2,
    CmdSave = 3,
    CmdSaveAs = 4,
    CmdPrint = 7,
    CmdPrintPreview = 8,
    CmdModel = 9,
    CmdChannelEdit = 10,
    CmdTestFrequency = 18,
    CmdEmbeddedMessage = 19,
    CmdRead = 20,
    CmdWrite = 21,
    CmdTestOnline = 22,
    CmdPort = 24,
    CmdLanguage = 25,
    CmdTreeView = 26,
    CmdCascade = 29,
    CmdTileHorizontal = 30,
    CmdTileVertical = 31,
    CmdArrangeIcons = 32,
    CmdCloseAll = 33,
    CmdHelp = 34,
    CmdAbout = 35,
    CmdBatchEdit = 36,
    CmdFunctionSetting = 37,
};

// Menu items with a handler of their own instead of a command number.
enum class TItemRole {
    Dispatch,  // carries a command number
    Exit,      // nExit: closes the main window
    Toolbar,   // nCool: ticked, shows and hides the tool bar
    StatusBar, // nBar: ticked, shows and hides the status bar
    Separator,
};

struct TMenuItemDef {
    const char *name;    // objectName; empty for a separator
    const char *caption; // built-in caption with "&"
    int command;         // Tag; CmdNone for the items with their own handler
    int shortcut = 0;    // Qt key combination, 0 for none
    bool visible = true;
    TItemRole role = TItemRole::Dispatch;
};

struct TMenuDef {
    const char *name;    // objectName of the top-level menu
    const char *caption;
    bool visible;
    std::span<const TMenuItemDef> items;
};

struct TToolButtonDef {
    const char *name;    // objectName; empty for a separator
    const char *hint;    // built-in hint (tool tip)
    int command;
    const char *icon;    // resource path of the picture
};

// The menu bar, top-level menus in order.
std::span<const TMenuDef> MenuTable();
// The tool bar, buttons and separators in order.
std::span<const TToolButtonDef> ToolBarTable();

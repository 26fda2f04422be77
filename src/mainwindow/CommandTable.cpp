#include "mainwindow/CommandTable.h"

#include <Qt>
#include <array>

namespace {

constexpr int Ctrl = Qt::CTRL;
using R = TItemRole;

constexpr TMenuItemDef Separator{"", "", CmdNone, 0, true, R::Separator};
constexpr TMenuItemDef HiddenSeparator{"", "", CmdNone, 0, false, R::Separator};

constexpr std::array FileItems{
    TMenuItemDef{"N1", "&New", CmdNew, Ctrl | Qt::Key_N},
    TMenuItemDef{"O1", "&Open", CmdOpen, Ctrl | Qt::Key_O},
    TMenuItemDef{"S2", "&Save", CmdSave, Ctrl | Qt::Key_S},
    TMenuItemDef{"A1", "Save &As", CmdSaveAs, Ctrl | Qt::Key_A},
    Separator,
    TMenuItemDef{"P2", "&Print", CmdPrint, Ctrl | Qt::Key_P},
    TMenuItemDef{"V2", "Print Pre&view", CmdPrintPreview, Ctrl | Qt::Key_V},
    Separator,
    TMenuItemDef{"nExit", "&Exit", CmdNone, Ctrl | Qt::Key_X, true, R::Exit},
};

constexpr std::array EditItems{
    TMenuItemDef{"E1", "&Channel Edit", CmdChannelEdit, Qt::Key_F11},
    TMenuItemDef{"E2", "&Batch Channel Edit", CmdBatchEdit, Qt::Key_F10},
    Separator,
    TMenuItemDef{"E12", "Function &Setting", CmdFunctionSetting},
    HiddenSeparator,
    TMenuItemDef{"E10", "&Test Frequency", CmdTestFrequency, 0, false},
    TMenuItemDef{"E11", "Embedded &Message", CmdEmbeddedMessage, 0, false},
};

// T1 follows TestOnlineVisible when the window is first shown.
constexpr std::array ProgramItems{
    TMenuItemDef{"R1", "&Read From Radio", CmdRead, Ctrl | Qt::Key_R},
    TMenuItemDef{"W2", "&Write To Radio", CmdWrite, Ctrl | Qt::Key_W},
    Separator,
    TMenuItemDef{"T1", "&Test Online", CmdTestOnline, 0, false},
};

constexpr std::array SetupItems{
    TMenuItemDef{"N4", "&Model Information", CmdModel},
    Separator,
    TMenuItemDef{"C2", "&Communication Port", CmdPort},
    TMenuItemDef{"nLanguage", "Language File Setup", CmdLanguage},
};

constexpr std::array ViewItems{
    TMenuItemDef{"T4", "Tree &View", CmdTreeView, 0, false},
    HiddenSeparator,
    TMenuItemDef{"nCool", "&Toolbar", CmdNone, 0, true, R::Toolbar},
    TMenuItemDef{"nBar", "&Status bar", CmdNone, 0, true, R::StatusBar},
};

// The whole Window menu is hidden; its commands still run when dispatched.
constexpr std::array WindowItems{
    TMenuItemDef{"nC", "&Cascade", CmdCascade},
    TMenuItemDef{"nH", "Tile Windows &Horizontally", CmdTileHorizontal},
    TMenuItemDef{"nV", "Tile Windows &Vertically", CmdTileVertical},
    TMenuItemDef{"npl", "&Arrange Icons", CmdArrangeIcons},
    Separator,
    TMenuItemDef{"nCloseAll", "Close All &Windows", CmdCloseAll},
};

constexpr std::array HelpItems{
    TMenuItemDef{"nHelpTopics", "&Help Topics", CmdHelp},
    Separator,
    TMenuItemDef{"nAbout", "About...", CmdAbout},
};

// Top-level menus are named as the form designer names them: caption + "1".
const std::array Menus{
    TMenuDef{"File1", "&File", true, FileItems},
    TMenuDef{"Edit1", "&Edit", true, EditItems},
    TMenuDef{"Program1", "&Program", true, ProgramItems},
    TMenuDef{"Setup1", "&Setup", true, SetupItems},
    TMenuDef{"View1", "&View", true, ViewItems},
    TMenuDef{"Window1", "&Window", false, WindowItems},
    TMenuDef{"Help1", "&Help", true, HelpItems},
};

constexpr TToolButtonDef ToolSeparator{"", "", CmdNone, ""};

constexpr std::array ToolButtons{
    TToolButtonDef{"tbNew", "New", CmdNew, ":/mainwindow/icons/new.svg"},
    TToolButtonDef{"tbOpen", "Open", CmdOpen, ":/mainwindow/icons/open.svg"},
    TToolButtonDef{"tbSave", "Save", CmdSave, ":/mainwindow/icons/save.svg"},
    ToolSeparator,
    TToolButtonDef{"ToolButton3", "Channel Edit", CmdChannelEdit, ":/mainwindow/icons/channeledit.svg"},
    ToolSeparator,
    TToolButtonDef{"tbPrint", "Print", CmdPrint, ":/mainwindow/icons/print.svg"},
    ToolSeparator,
    TToolButtonDef{"tbRead", "Read", CmdRead, ":/mainwindow/icons/read.svg"},
    ToolSeparator,
    TToolButtonDef{"tbWrite", "Write", CmdWrite, ":/mainwindow/icons/write.svg"},
    ToolSeparator,
    TToolButtonDef{"tbHelp", "Help", CmdHelp, ":/mainwindow/icons/help.svg"},
};

} // namespace

std::span<const TMenuDef> MenuTable()
{
    return Menus;
}

std::span<const TToolButtonDef> ToolBarTable()
{
    return ToolButtons;
}

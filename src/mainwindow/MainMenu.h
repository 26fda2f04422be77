#pragma once
// Builds the main window's menu bar and tool bar from the command tables.
// Every menu, item and tool button becomes a child of the window, named as
// in the tables, in table order (the order in which the window translation
// meets them). Items and buttons that carry a command number have it in
// their Tag; tool buttons are marked for the translation of their hints.

#include <QList>

class QAction;
class QMenuBar;
class QToolBar;
class QWidget;

// The menus of MenuTable in bar. Returns the items that carry a command
// number, in table order.
QList<QAction *> BuildMenus(QMenuBar *bar, QWidget *owner);
// The buttons and separators of ToolBarTable in bar. Returns the buttons.
QList<QAction *> BuildToolButtons(QToolBar *bar, QWidget *owner);

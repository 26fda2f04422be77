#include "mainwindow/MainMenu.h"

#include "localisation/Translate.h"
#include "mainwindow/CommandTable.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

QAction *AddItem(QMenu *menu, const TMenuItemDef &def, QWidget *owner)
{
    if (def.role == TItemRole::Separator) {
        QAction *separator = menu->addSeparator();
        separator->setVisible(def.visible);
        return separator;
    }
    auto *action = new QAction(QString::fromUtf8(def.caption), owner);
    action->setObjectName(QString::fromLatin1(def.name));
    if (def.shortcut != 0)
        action->setShortcut(QKeySequence(def.shortcut));
    // The main window's shortcuts must work wherever the focus is inside
    // it, also when its menu is hidden (the Window menu).
    action->setShortcutContext(Qt::WindowShortcut);
    action->setVisible(def.visible);
    if (def.role == TItemRole::Dispatch)
        SetTag(action, def.command);
    if (def.role == TItemRole::Toolbar || def.role == TItemRole::StatusBar) {
        action->setCheckable(true);
        action->setChecked(true);
    }
    menu->addAction(action);
    owner->addAction(action);
    return action;
}

} // namespace

QList<QAction *> BuildMenus(QMenuBar *bar, QWidget *owner)
{
    QList<QAction *> commands;
    for (const TMenuDef &menuDef : MenuTable()) {
        auto *menu = new QMenu(QString::fromUtf8(menuDef.caption), owner);
        menu->setObjectName(QString::fromLatin1(menuDef.name));
        QAction *menuAction = bar->addMenu(menu);
        menuAction->setVisible(menuDef.visible);
        for (const TMenuItemDef &item : menuDef.items) {
            QAction *action = AddItem(menu, item, owner);
            if (item.role == TItemRole::Dispatch)
                commands.append(action);
        }
    }
    return commands;
}

QList<QAction *> BuildToolButtons(QToolBar *bar, QWidget *owner)
{
    QList<QAction *> buttons;
    for (const TToolButtonDef &def : ToolBarTable()) {
        if (def.command == CmdNone) {
            bar->addSeparator();
            continue;
        }
        const QString hint = QString::fromUtf8(def.hint);
        auto *action = new QAction(QIcon(QString::fromLatin1(def.icon)), hint, owner);
        action->setObjectName(QString::fromLatin1(def.name));
        action->setToolTip(hint);
        SetTag(action, def.command);
        MarkToolButton(action);
        bar->addAction(action);
        buttons.append(action);
    }
    return buttons;
}

#include "localisation/Translate.h"

#include "core/IniFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QVariant>
#include <functional>

namespace {

constexpr char ToolButtonProperty[] = "orvelToolButton";
constexpr char StaticTextProperty[] = "orvelStaticText";

constexpr int TagKeepItems = -2;     // titles or items stay as they are
constexpr int TagFirstItemOnly = -3; // tone selectors: only the none text

constexpr QStringView CaptionKey = u"Caption";
constexpr QStringView HintKey = u"Hint";

// Gives the text for a key of the window's section; current is the default.
using TLookup = std::function<QString(const QString &key, const QString &current)>;

bool IsMarked(const QObject *component, const char *property)
{
    return component->property(property).toBool();
}

// A window of its own inside the one being translated: it has its own
// section. Menus are popup windows to Qt but items of the window here.
bool IsOwnWindow(const QObject *object)
{
    if (qobject_cast<const QMdiSubWindow *>(object))
        return true;
    const auto *widget = qobject_cast<const QWidget *>(object);
    return widget && widget->isWindow() && !qobject_cast<const QMenu *>(widget);
}

bool IsComponentName(const QString &name)
{
    return !name.isEmpty() && !name.startsWith(u"qt_");
}

// The tab widget showing page as one of its tabs, or none.
QTabWidget *TabWidgetOfPage(QWidget *page)
{
    QWidget *stack = page->parentWidget();
    if (!qobject_cast<QStackedWidget *>(stack))
        return nullptr;
    auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget());
    return tabs && tabs->indexOf(page) >= 0 ? tabs : nullptr;
}

class TWindowWalk {
public:
    TWindowWalk(bool lists, TLookup lookup) : m_lists(lists), m_lookup(std::move(lookup)) {}

    void Run(QWidget *window)
    {
        Apply(window->objectName(), CaptionKey, window->windowTitle(),
              [window](const QString &t) { window->setWindowTitle(t); });
        Children(window);
    }

private:
    template<class Set>
    void Apply(const QString &name, QStringView suffix, const QString &current, Set set)
    {
        const QString text = m_lookup(name + u'.' + suffix.toString(), current);
        if (text != current)
            set(text);
    }

    void Children(QObject *parent)
    {
        // A copy: change signals run the window's handlers, which may add
        // children while the walk goes on.
        const QObjectList children = parent->children();
        for (QObject *child : children) {
            if (IsOwnWindow(child))
                continue;
            if (IsComponentName(child->objectName()))
                Component(child);
            Children(child);
        }
    }

    void Component(QObject *c)
    {
        const QString name = c->objectName();
        if (IsMarked(c, ToolButtonProperty))
            return ToolButton(c, name);
        if (auto *label = qobject_cast<QLabel *>(c)) {
            if (!IsMarked(c, StaticTextProperty))
                Apply(name, CaptionKey, label->text(), [label](const QString &t) { label->setText(t); });
            return;
        }
        if (auto *menu = qobject_cast<QMenu *>(c))
            return Apply(name, CaptionKey, menu->title(), [menu](const QString &t) { menu->setTitle(t); });
        if (auto *action = qobject_cast<QAction *>(c))
            return Apply(name, CaptionKey, action->text(), [action](const QString &t) { action->setText(t); });
        if (auto *button = qobject_cast<QAbstractButton *>(c))
            return Apply(name, CaptionKey, button->text(), [button](const QString &t) { button->setText(t); });
        if (auto *grid = dynamic_cast<TTranslatableGrid *>(c))
            return Grid(grid, c, name);
        if (auto *table = qobject_cast<QTableWidget *>(c))
            return Table(table, name);
        if (auto *combo = qobject_cast<QComboBox *>(c))
            return Combo(combo, name);
        if (auto *group = qobject_cast<QGroupBox *>(c))
            return Apply(name, CaptionKey, group->title(), [group](const QString &t) { group->setTitle(t); });
        if (auto *list = qobject_cast<QListWidget *>(c))
            return List(list, name);
        if (auto *page = qobject_cast<QWidget *>(c)) {
            if (QTabWidget *tabs = TabWidgetOfPage(page)) {
                const int index = tabs->indexOf(page);
                Apply(name, CaptionKey, tabs->tabText(index),
                      [tabs, index](const QString &t) { tabs->setTabText(index, t); });
            }
        }
    }

    void ToolButton(QObject *c, const QString &name)
    {
        if (auto *action = qobject_cast<QAction *>(c)) {
            Apply(name, CaptionKey, action->text(), [action](const QString &t) { action->setText(t); });
            Apply(name, HintKey, action->toolTip(), [action](const QString &t) { action->setToolTip(t); });
        } else if (auto *button = qobject_cast<QAbstractButton *>(c)) {
            Apply(name, CaptionKey, button->text(), [button](const QString &t) { button->setText(t); });
            Apply(name, HintKey, button->toolTip(), [button](const QString &t) { button->setToolTip(t); });
        }
    }

    void Grid(TTranslatableGrid *grid, const QObject *c, const QString &name)
    {
        if (Tag(c) == TagKeepItems)
            return;
        for (int col = 1; col < grid->GridColumnCount(); ++col)
            Apply(name, QString::number(col), grid->GridTitle(col),
                  [grid, col](const QString &t) { grid->SetGridTitle(col, t); });
    }

    void Table(QTableWidget *table, const QString &name)
    {
        if (Tag(table) == TagKeepItems)
            return;
        for (int col = 1; col < table->columnCount(); ++col) {
            QTableWidgetItem *item = table->horizontalHeaderItem(col);
            Apply(name, QString::number(col), item ? item->text() : QString(),
                  [table, item, col](const QString &t) {
                      if (item)
                          item->setText(t);
                      else
                          table->setHorizontalHeaderItem(col, new QTableWidgetItem(t));
                  });
        }
    }

    void Combo(QComboBox *combo, const QString &name)
    {
        const int tag = Tag(combo);
        if (!m_lists || tag == TagKeepItems)
            return;
        const int selected = combo->currentIndex();
        const int count = tag == TagFirstItemOnly ? qMin(1, combo->count()) : combo->count();
        for (int i = 0; i < count; ++i)
            Apply(name, QString::number(i), combo->itemText(i),
                  [combo, i](const QString &t) { combo->setItemText(i, t); });
        if (combo->currentIndex() != selected)
            combo->setCurrentIndex(selected);
    }

    void List(QListWidget *list, const QString &name)
    {
        if (Tag(list) == TagKeepItems)
            return;
        for (int i = 0; i < list->count(); ++i) {
            QListWidgetItem *item = list->item(i);
            Apply(name, QString::number(i), item->text(), [item](const QString &t) { item->setText(t); });
        }
    }

    bool m_lists;
    TLookup m_lookup;
};

} // namespace

void SetTag(QObject *component, int tag)
{
    component->setProperty(TagProperty, tag);
}

int Tag(const QObject *component)
{
    return component->property(TagProperty).toInt();
}

void MarkToolButton(QObject *action)
{
    action->setProperty(ToolButtonProperty, true);
}

void MarkStaticText(QObject *label)
{
    label->setProperty(StaticTextProperty, true);
}

void TranslateWindow(QWidget *window, const QString &languageFile, bool lists)
{
    if (!window || languageFile.isEmpty() || window->objectName().isEmpty())
        return;
    TIniFile ini(languageFile);
    ini.Load(); // an unreadable file is as good as a missing one: nothing changes
    const QString section = window->objectName();
    TWindowWalk(lists, [&](const QString &key, const QString &current) {
        return ini.ReadString(section, key, current);
    }).Run(window);
}

QStringList TranslationKeys(QWidget *window, bool lists)
{
    QStringList keys;
    if (!window)
        return keys;
    TWindowWalk(lists, [&keys](const QString &key, const QString &current) {
        keys.append(key);
        return current;
    }).Run(window);
    return keys;
}

#include "editing/ChannelDelegate.h"

#include "editing/KeyFilters.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

QWidget *TChannelDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                        const QModelIndex &index) const
{
    auto *editor = new QLineEdit(parent);
    editor->setFrame(false);
    const QVariant alignment = index.data(Qt::TextAlignmentRole);
    if (alignment.isValid())
        editor->setAlignment(Qt::Alignment(alignment.toInt()));
    m_editor = editor;
    return editor;
}

void TChannelDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line)
        return;
    line->setText(index.data(Qt::EditRole).toString());
    line->selectAll(); // a typed key replaces the whole text
}

void TChannelDelegate::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    if (m_editor == editor)
        m_editor = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

void TChannelDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.column() == 0) // the channel number column, fixed like the header row
        option->backgroundBrush = option->palette.brush(QPalette::Button);
}

bool TChannelDelegate::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched == m_editor &&
        RefusesKey(*static_cast<QKeyEvent *>(event), IsFrequencyKey))
        return true;
    return QStyledItemDelegate::eventFilter(watched, event);
}

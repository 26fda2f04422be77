#include "editing/ChannelGrid.h"

#include "editing/ChannelDelegate.h"
#include "editing/ChannelStore.h"
#include "editing/KeyFilters.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {
constexpr int kFirstChannelRow = 2; // grid row of model row 0
constexpr int kRowHeight = 20;
} // namespace

TChannelGrid::TChannelGrid(TChannelStore &store, QWidget *parent)
    : QTableView(parent), m_store(store), m_delegate(new TChannelDelegate(this))
{
    setObjectName(QStringLiteral("gvData"));
    SetTag(this, -2); // titles come from BColText, not from the generic translation
    setModel(&m_store);
    setItemDelegate(m_delegate);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::DoubleClicked);
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setTabKeyNavigation(true);
    setWordWrap(false);
}

int TChannelGrid::CurrentCol() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() + 1 : -1;
}

int TChannelGrid::CurrentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + kFirstChannelRow : -1;
}

void TChannelGrid::SetCurrentCell(int col, int row)
{
    const QModelIndex index = m_store.index(row - kFirstChannelRow, col - 1);
    if (index.isValid())
        setCurrentIndex(index);
}

QRect TChannelGrid::CellRect(int col, int row) const
{
    return visualRect(m_store.index(row - kFirstChannelRow, col - 1));
}

int TChannelGrid::GridColumnWidth(int col) const
{
    return columnWidth(col - 1);
}

void TChannelGrid::SetGridColumnWidth(int col, int width)
{
    setColumnWidth(col - 1, width);
}

void TChannelGrid::OpenEditor()
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && (m_store.flags(current) & Qt::ItemIsEditable) &&
        state() != EditingState)
        edit(current);
}

QWidget *TChannelGrid::Editor() const
{
    return m_delegate->Editor();
}

void TChannelGrid::CloseEditor(bool commit)
{
    QWidget *editor = m_delegate->Editor();
    if (!editor)
        return;
    if (commit)
        commitData(editor);
    // The commit may have shown a message, and the editor may have closed
    // itself meanwhile.
    if (m_delegate->Editor() == editor)
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TChannelGrid::MoveCurrent(Move move)
{
    static constexpr CursorAction kActions[] = {MoveUp,    MoveDown, MoveLeft,
                                                MoveRight, MoveNext, MovePrevious};
    const QModelIndex next = moveCursor(kActions[int(move)], Qt::NoModifier);
    if (next.isValid() && next != currentIndex())
        setCurrentIndex(next);
}

int TChannelGrid::GridColumnCount() const
{
    return TChannelStore::ColumnCount;
}

QString TChannelGrid::GridTitle(int col) const
{
    return m_store.RowCount() > 1 ? m_store.Text(col, 1) : m_store.ColumnTitle(col);
}

void TChannelGrid::SetGridTitle(int col, const QString &title)
{
    m_store.SetText(col, 1, title);
}

void TChannelGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        emit CellSelected(current.column() + 1, current.row() + kFirstChannelRow);
}

void TChannelGrid::mousePressEvent(QMouseEvent *event)
{
    QTableView::mousePressEvent(event);
    if (indexAt(event->position().toPoint()).isValid())
        emit CellPressed();
}

void TChannelGrid::keyPressEvent(QKeyEvent *event)
{
    const int col = CurrentCol();
    if ((event->key() == Qt::Key_F2 || event->key() == Qt::Key_Space) &&
        event->modifiers() == Qt::NoModifier && state() != EditingState &&
        col != TChannelStore::ColRx && col != TChannelStore::ColTx && col > 0) {
        emit CellPressed();
        event->accept();
        return;
    }
    if (RefusesKey(*event, IsFrequencyKey)) {
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        state() != EditingState && event->modifiers() == Qt::NoModifier) {
        MoveCurrent(Move::Down);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TChannelGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Only an editor still open moves the current cell: a commit that showed
    // a message has closed it already.
    const bool open = editor && editor == m_delegate->Editor();
    switch (hint) {
    case QAbstractItemDelegate::EditNextItem:
    case QAbstractItemDelegate::EditPreviousItem:
        // Tab goes to the next cell, selectors included, not to the next
        // editable one.
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        if (open)
            MoveCurrent(hint == QAbstractItemDelegate::EditNextItem ? Move::Next : Move::Previous);
        break;
    case QAbstractItemDelegate::SubmitModelCache:
        QTableView::closeEditor(editor, hint);
        if (open)
            MoveCurrent(Move::Down);
        break;
    default:
        QTableView::closeEditor(editor, hint);
        break;
    }
}

#pragma once
// The view of the channel table (gvData): the channel rows of the store with
// its header row as the horizontal header, addressed in grid coordinates
// (column 1..10, channel k in row k + 1). It reports every change of the
// current cell and every mouse press, and keeps the keyboard of a
// spreadsheet: arrows and Tab move, typing into an RX or TX cell starts the
// in-place editor, Enter commits and moves down, Escape cancels.

#include "localisation/Translate.h"

#include <QTableView>

class TChannelStore;
class TChannelDelegate;

class TChannelGrid : public QTableView, public TTranslatableGrid {
    Q_OBJECT
public:
    TChannelGrid(TChannelStore &store, QWidget *parent = nullptr);

    TChannelStore &Store() const { return m_store; }

    // The current cell in grid coordinates; -1 for none.
    int CurrentCol() const;
    int CurrentRow() const;
    void SetCurrentCell(int col, int row);
    // Rectangle of a cell in the coordinates of the viewport.
    QRect CellRect(int col, int row) const;
    // Width of grid column col.
    int GridColumnWidth(int col) const;
    void SetGridColumnWidth(int col, int width);

    // Switches the in-place editor on in the current cell, whole text
    // selected; a read-only cell gets none.
    void OpenEditor();
    // The in-place editor while it is open.
    QWidget *Editor() const;
    // Ends in-place editing, storing the typed text through the commit when
    // commit is set.
    void CloseEditor(bool commit);
    // Moves the current cell as the keys would; Next and Previous (Tab and
    // Backtab) wrap to the neighbouring row.
    enum class Move { Up, Down, Left, Right, Next, Previous };
    void MoveCurrent(Move move);

    // Header row (row 1) as a translatable grid: columns 1 .. GridColumnCount() - 1.
    int GridColumnCount() const override;
    QString GridTitle(int col) const override;
    void SetGridTitle(int col, const QString &title) override;

signals:
    // A cell became current (gvDataSelectCell).
    void CellSelected(int col, int row);
    // A mouse button was pressed on a cell, after it became current
    // (gvDataMouseDown); F2 and Space ask for the same outside the frequency
    // columns, so that a selector closed with Enter opens again.
    void CellPressed();

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    TChannelStore &m_store;
    TChannelDelegate *m_delegate;
};

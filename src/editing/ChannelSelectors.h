#pragma once
// The five drop-down selectors of the channel table, laid over the current
// cell of the columns 4 to 10: the tone selectors cbQT (Dec) and cbDQT (Enc),
// editable, with the 206-item tone list whose item 0 is the none text; the
// option selectors cbfsgl (TX Power), cbkz (W/N) and cbHave (Scan Add, Beat
// Shift, Busy Lockout), fixed lists. At most one is shown; it writes into the
// cell it was opened on, and hides as soon as the focus leaves it. A value
// chosen from a list is stored at once (option index as hidden value, item
// text as display text); a typed tone is stored, normalised, on Enter or when
// the selector closes. Showing a value is no change: Modified stays as it is.
//
// Keys in a shown selector: Enter keeps the value and gives the focus back to
// the grid; Escape puts the cell back as it was when the selector opened;
// Up, Down, Tab and Backtab (and Left and Right at the edges of the text)
// leave the selector for the neighbouring cell; Alt+Down or F4 opens the
// list. A tone selector lets only the tone keys through; a double click on
// it opens the tone picker.

#include "editing/ChannelGrid.h"

#include <QElapsedTimer>
#include <QObject>

class QComboBox;
struct TALL;

class TChannelSelectors : public QObject {
    Q_OBJECT
public:
    // The selectors become children of the grid's viewport, created in the
    // order cbfsgl, cbDQT, cbQT, cbHave, cbkz.
    TChannelSelectors(TALL &all, TChannelGrid &grid);

    QComboBox *cbQT = nullptr;
    QComboBox *cbDQT = nullptr;
    QComboBox *cbfsgl = nullptr;
    QComboBox *cbkz = nullptr;
    QComboBox *cbHave = nullptr;

    // The selector of a grid column; none for columns 1 to 3.
    QComboBox *ForColumn(int col) const;
    // ShowCellEditor: lays the column's selector over the cell and gives it
    // the focus, unless the row holds no RX (or, for the Enc tone, no TX).
    void ShowFor(int col, int row);
    // The selector shown, or none.
    QComboBox *Shown() const { return m_shown; }
    // Hides the shown selector; a typed tone not yet stored is stored first
    // when commit is set.
    void Hide(bool commit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox *NewSelector(const char *name, bool tone);
    bool IsTone(const QComboBox *box) const { return box == cbQT || box == cbDQT; }
    QComboBox *SelectorOf(QObject *watched) const;
    bool KeyPress(QComboBox *box, QKeyEvent *event);
    void Leave(QComboBox *box, TChannelGrid::Move move);
    void Cancel();
    void CommitTyped();

    // Handlers of the selectors.
    void ComBoxSetData(QComboBox *box);
    void ComBoxExit(QComboBox *box);
    void ComBoxDblClick(QComboBox *box);

    TALL &m_all;
    TChannelGrid &m_grid;
    QComboBox *m_shown = nullptr;
    int m_col = -1; // the cell the shown selector writes into
    int m_row = -1;
    QString m_openText;   // the cell as it was when the selector opened
    QString m_openHidden;
    QString m_syncedText; // the selector text that the cell holds already
    QElapsedTimer m_openedByMouse; // a second click soon after is a double click
};

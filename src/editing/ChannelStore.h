#pragma once
// The channel table: the single store of the channels being edited. Cells
// are addressed in grid coordinates: columns 1..10, row 1 the header, channel
// k in row k + 1, so a model with N channels has N + 2 rows (row 0 and
// column 0 exist but stay empty). Every cell holds a display text, a hidden
// value and a read-only flag.
//
//   col 1 channel number (hidden: in-use marker "1" or empty)
//   col 2 RX frequency   col 3 TX frequency      (display text only)
//   col 4 Dec tone       col 5 Enc tone          (none text or tone text)
//   col 6 TX Power, 7 W/N, 8 Scan Add, 9 Beat Shift, 10 Busy Lockout
//         (display: item text; hidden: option index "0" or "1")
//
// As a Qt model it shows the channel rows only: model row i is grid row
// i + 2, model column j is grid column j + 1; the header row becomes the
// horizontal header.

#include "editing/ChannelTexts.h"
#include "image/WriteRead.h"

#include <QAbstractTableModel>
#include <array>
#include <optional>
#include <vector>

struct TALL;
struct TLanguage;
class TMsgBox;

class TChannelStore : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        ColNumber = 1, ColRx, ColTx, ColDec, ColEnc,
        ColPower, ColWideNarrow, ColScanAdd, ColBeatShift, ColBusyLockout,
        ColumnCount = 11 // including the hidden column 0
    };
    enum Role { HiddenRole = Qt::UserRole + 1 };

    explicit TChannelStore(TALL &all, QObject *parent = nullptr);

    // Where the range messages of the commit path go; none shows nothing.
    void SetMessageBox(TMsgBox *box, const TLanguage *messages);

    // ---- cell contract (grid coordinates) --------------------------------
    int RowCount() const; // ChannelCount + 2 once ResetRows has run
    // Coordinates outside the table read as an empty, read-only cell and
    // ignore writes.
    QString Text(int col, int row) const;
    void SetText(int col, int row, const QString &text); // direct write: no commit
    QString Hidden(int col, int row) const;
    void SetHidden(int col, int row, const QString &value);
    bool ReadOnly(int col, int row) const;
    void SetReadOnly(int col, int row, bool readOnly);
    // The set-text path: sets Modified for any cell, then commits an RX or TX
    // text of a channel row: blank RX empties the row (ClearChannelRow), blank
    // TX is stored empty (no TX frequency); anything else goes through the
    // range check, whose message goes to the message box, and is stored
    // rounded to the channel step as "0.00000". An RX committed into a row
    // without the in-use marker brings the new-channel defaults. Other cells
    // store value as it is.
    void SetForeText(int col, int row, const QString &value);

    // Bulk changes emit one change notice at the end; pairs nest. Direct
    // writes outside a pair announce their cell at once. A change of the row
    // count always resets the model.
    void BeginUpdate();
    void EndUpdate();

    // ---- operations ------------------------------------------------------
    // Empties every channel row (channel numbers kept), or rebuilds the rows
    // when the row count no longer fits all.ChannelCount: numbers 1..N in
    // column 1, the titles in row 1, every cell read-only but the RX cells.
    void ResetRows();
    // Empty row: marker and columns 2..10 cleared, TX read-only.
    void ClearChannelRow(int row);
    // Marker "1"; an empty TX takes the RX text; no tones, High, Wide, and No
    // for Scan Add, Beat Shift and Busy Lockout; TX editable.
    void ApplyNewChannelDefaults(int row);

    // Writer contract: fills a row from a decoded channel with direct writes
    // (Modified is left alone): TX editable, RX and TX frequency texts (TX
    // emptied when channel.Tx <= -1), the tone texts or the none text, the
    // option indexes as hidden values with their item texts, marker "1".
    void FillChannelRow(int row, const TChannelValues &channel);
    // Reader contract: the channel of a row, ready for the codec. Whatever it
    // returns is encodable, so a cell that something wrote badly can never
    // corrupt a data file or the radio:
    // - none when the trimmed RX text is empty, is not a number or is not a
    //   frequency of eight 10 Hz digits (below 0 or from 1000 MHz on): the
    //   row is saved as having no channel;
    // - Tx -1.0 when the trimmed TX text is empty or, likewise, unreadable;
    // - a tone cell showing the none text reads as no tone (empty), any other
    //   tone text as it is;
    // - an option index (hidden value of columns 6..10) that is not 0 or 1
    //   reads as 0.
    std::optional<TChannelValues> ReadChannelRow(int row) const;

    // ---- texts -----------------------------------------------------------
    const TChannelTexts &Texts() const { return m_texts; }
    // A language change: takes the new lists and re-maps the rows holding a
    // channel (direct writes, Modified untouched). A tone cell showing the
    // previous none text shows the new one, option cells show the item of
    // their index (an unreadable index as 0, as the reader sees it), tone
    // texts stay. Rows without RX are left alone.
    void SetTexts(const TChannelTexts &texts);
    // BColText; the titles become the header row at once. Alignment codes
    // take effect when ResetRows rebuilds the rows, as the widths do when the
    // window builds its columns.
    QStringList ColumnDefinitions() const { return m_columnDefinitions; }
    void SetColumnDefinitions(const QStringList &definitions);
    // Entry col of BColText (1..10); empty outside the list.
    QString ColumnTitle(int col) const;

    // ---- QAbstractTableModel ---------------------------------------------
    // Display and edit role: the display text; HiddenRole: the hidden value.
    // setData commits through SetForeText, and only a text that differs from
    // the cell's, as the grid's in-place editor does; read-only cells refuse.
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Cell {
        QString text;
        QString hidden;
        bool readOnly = false;
    };
    // A rectangle of grid cells whose change is still to be announced.
    struct Span {
        int firstCol = 0, lastCol = -1, firstRow = 0, lastRow = -1;
        bool isEmpty() const { return lastCol < firstCol || lastRow < firstRow; }
    };
    Cell *cellAt(int col, int row);
    const Cell *cellAt(int col, int row) const;
    bool isChannelRow(int row) const;
    bool isCellIndex(const QModelIndex &index) const;
    int optionIndex(int col, int row) const;
    QString toneOf(int col, int row) const;
    void commitFrequency(int col, int row, const QString &value);
    void rebuildRows(int channelCount);
    void changed(int col, int row);
    void announce(const Span &span);

    TALL &m_all;
    TMsgBox *m_box = nullptr;
    const TLanguage *m_messages = nullptr;
    TChannelTexts m_texts;
    QStringList m_columnDefinitions;
    std::vector<Cell> m_cells; // row-major, ColumnCount per row
    std::array<Qt::Alignment, ColumnCount> m_alignment{}; // none set: the view's default
    int m_rows = 0;
    int m_updateDepth = 0;
    Span m_pending;
};

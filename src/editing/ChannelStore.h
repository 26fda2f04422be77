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
    QString Text(int col, int row) const;
    void SetText(int col, int row, const QString &text); // direct write: no commit
    QString Hidden(int col, int row) const;
    void SetHidden(int col, int row, const QString &value);
    bool ReadOnly(int col, int row) const;
    void SetReadOnly(int col, int row, bool readOnly);
    // The set-text path: runs the commit (Modified, range check, rounding,
    // new-channel defaults, clearing) and stores the resulting text.
    void SetForeText(int col, int row, const QString &value);

    // Bulk changes emit one change notice at the end.
    void BeginUpdate();
    void EndUpdate();

    // ---- operations ------------------------------------------------------
    // Empties every channel row, or rebuilds the rows when the row count no
    // longer fits all.ChannelCount.
    void ResetRows();
    void ClearChannelRow(int row);
    void ApplyNewChannelDefaults(int row);

    // Writer contract: fills a row from a decoded channel.
    void FillChannelRow(int row, const TChannelValues &channel);
    // Reader contract: the channel of a row, or none when its RX is empty
    // (or not a frequency). Tone cells showing the none text read as no tone.
    std::optional<TChannelValues> ReadChannelRow(int row) const;

    // ---- texts -----------------------------------------------------------
    const TChannelTexts &Texts() const { return m_texts; }
    void SetTexts(const TChannelTexts &texts);
    // BColText; the titles become the header row.
    QStringList ColumnDefinitions() const { return m_columnDefinitions; }
    void SetColumnDefinitions(const QStringList &definitions);
    QString ColumnTitle(int col) const;

    // ---- QAbstractTableModel ---------------------------------------------
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
    Cell &cell(int col, int row);
    const Cell *cellAt(int col, int row) const;
    void changed(int firstRow, int lastRow);

    TALL &m_all;
    TMsgBox *m_box = nullptr;
    const TLanguage *m_messages = nullptr;
    TChannelTexts m_texts;
    QStringList m_columnDefinitions;
    std::vector<Cell> m_cells; // row-major, ColumnCount per row
    int m_rows = 0;
    int m_updateDepth = 0;
    bool m_pendingChange = false;
};

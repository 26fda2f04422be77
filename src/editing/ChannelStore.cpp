#include "editing/ChannelStore.h"

#include "core/AppState.h"
#include "core/MessageTable.h"
#include "image/FrequencyRange.h"
#include "image/ValueFormats.h"
#include "localisation/MsgBox.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kHeaderRow = 1;
constexpr int kFirstChannelRow = 2;
constexpr int kFirstOptionColumn = TChannelStore::ColPower;
constexpr int kLastColumn = TChannelStore::ColBusyLockout;
constexpr int kGridColumns = kLastColumn; // columns 1..10 carry the data

const QString kInUse = QStringLiteral("1");

// The frequency field holds eight decimal digits of 10 Hz.
std::optional<double> EncodableFrequency(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const std::optional<double> mhz = ParseFrequency(trimmed);
    if (!mhz)
        return std::nullopt;
    const QString count = TenHzCount(*mhz);
    if (count.size() != 8 || count.startsWith(u'-'))
        return std::nullopt;
    return mhz;
}

// Alignment code of BColText: 1 left, 2 centred, 3 right; none for others.
Qt::Alignment AlignmentOfCode(const QString &code)
{
    switch (code.trimmed().toInt()) {
    case 1:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case 2:
        return Qt::AlignCenter;
    case 3:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return {};
    }
}

} // namespace

TChannelStore::TChannelStore(TALL &all, QObject *parent)
    : QAbstractTableModel(parent), m_all(all), m_texts(TChannelTexts::BuiltIn()),
      m_columnDefinitions(BuiltInColumnDefinitions())
{
}

void TChannelStore::SetMessageBox(TMsgBox *box, const TLanguage *messages)
{
    m_box = box;
    m_messages = messages;
}

// ---- cells ------------------------------------------------------------------

TChannelStore::Cell *TChannelStore::cellAt(int col, int row)
{
    if (col < 0 || col >= ColumnCount || row < 0 || row >= m_rows)
        return nullptr;
    return &m_cells[size_t(row) * ColumnCount + size_t(col)];
}

const TChannelStore::Cell *TChannelStore::cellAt(int col, int row) const
{
    return const_cast<TChannelStore *>(this)->cellAt(col, row);
}

bool TChannelStore::isChannelRow(int row) const
{
    return row >= kFirstChannelRow && row < m_rows;
}

int TChannelStore::RowCount() const
{
    return m_rows;
}

QString TChannelStore::Text(int col, int row) const
{
    const Cell *c = cellAt(col, row);
    return c ? c->text : QString();
}

void TChannelStore::SetText(int col, int row, const QString &text)
{
    Cell *c = cellAt(col, row);
    if (!c || c->text == text)
        return;
    c->text = text;
    changed(col, row);
}

QString TChannelStore::Hidden(int col, int row) const
{
    const Cell *c = cellAt(col, row);
    return c ? c->hidden : QString();
}

void TChannelStore::SetHidden(int col, int row, const QString &value)
{
    Cell *c = cellAt(col, row);
    if (!c || c->hidden == value)
        return;
    c->hidden = value;
    changed(col, row);
}

bool TChannelStore::ReadOnly(int col, int row) const
{
    const Cell *c = cellAt(col, row);
    return !c || c->readOnly;
}

void TChannelStore::SetReadOnly(int col, int row, bool readOnly)
{
    Cell *c = cellAt(col, row);
    if (!c || c->readOnly == readOnly)
        return;
    c->readOnly = readOnly;
    changed(col, row);
}

// ---- the commit -------------------------------------------------------------

void TChannelStore::SetForeText(int col, int row, const QString &value)
{
    if (!cellAt(col, row))
        return;
    m_all.Modified = true;
    if ((col != ColRx && col != ColTx) || !isChannelRow(row)) {
        SetText(col, row, value);
        return;
    }
    BeginUpdate();
    commitFrequency(col, row, value);
    EndUpdate();
}

void TChannelStore::commitFrequency(int col, int row, const QString &value)
{
    const TFrequencyCommit commit = CommitFrequencyText(value, TFrequencyLimits::Of(m_all));
    if (commit.empty) {
        // Blanks are stored as nothing, so that no cell looks filled but
        // reads as empty.
        if (col == ColRx)
            ClearChannelRow(row);
        else
            SetText(ColTx, row, QString());
        return;
    }
    if (commit.verdict != TRangeVerdict::Inside && m_box && m_messages)
        ShowRangeMessage(commit.verdict, *m_messages, *m_box);
    SetText(col, row, commit.text);
    if (col == ColRx && Hidden(ColNumber, row).isEmpty())
        ApplyNewChannelDefaults(row);
}

// ---- row operations ---------------------------------------------------------

void TChannelStore::ResetRows()
{
    const int channels = std::max(0, m_all.ChannelCount);
    if (m_rows != channels + kFirstChannelRow) {
        rebuildRows(channels);
        return;
    }
    BeginUpdate();
    for (int row = kFirstChannelRow; row < m_rows; ++row)
        ClearChannelRow(row);
    EndUpdate();
}

void TChannelStore::rebuildRows(int channelCount)
{
    beginResetModel();
    m_rows = channelCount + kFirstChannelRow;
    m_cells.assign(size_t(m_rows) * ColumnCount, Cell{});
    for (Cell &c : m_cells)
        c.readOnly = true;
    for (int col = ColNumber; col <= kLastColumn; ++col) {
        cellAt(col, kHeaderRow)->text = ColumnTitle(col);
        // An unknown code keeps the alignment the column had.
        const Qt::Alignment alignment =
            AlignmentOfCode(m_columnDefinitions.value(2 * kGridColumns + col - 1));
        if (alignment)
            m_alignment[size_t(col)] = alignment;
    }
    for (int row = kFirstChannelRow; row < m_rows; ++row) {
        cellAt(ColNumber, row)->text = QString::number(row - 1);
        cellAt(ColRx, row)->readOnly = false;
    }
    m_pending = {}; // the reset announces everything
    endResetModel();
}

void TChannelStore::ClearChannelRow(int row)
{
    if (!isChannelRow(row))
        return;
    BeginUpdate();
    SetHidden(ColNumber, row, QString());
    for (int col = ColRx; col <= kLastColumn; ++col) {
        SetText(col, row, QString());
        SetHidden(col, row, QString());
    }
    SetReadOnly(ColTx, row, true);
    EndUpdate();
}

void TChannelStore::ApplyNewChannelDefaults(int row)
{
    if (!isChannelRow(row))
        return;
    BeginUpdate();
    SetHidden(ColNumber, row, kInUse);
    if (Text(ColTx, row).trimmed().isEmpty())
        SetText(ColTx, row, Text(ColRx, row));
    for (int col : {ColDec, ColEnc}) {
        SetForeText(col, row, m_texts.None);
        SetHidden(col, row, QStringLiteral("0"));
    }
    for (int col = kFirstOptionColumn; col <= kLastColumn; ++col) {
        const int index = col == ColWideNarrow ? 0 : 1; // Wide; High and No elsewhere
        SetForeText(col, row, m_texts.OptionText(col, index));
        SetHidden(col, row, QString::number(index));
    }
    SetReadOnly(ColTx, row, false);
    EndUpdate();
}

// ---- writer and reader contracts ---------------------------------------------

void TChannelStore::FillChannelRow(int row, const TChannelValues &channel)
{
    if (!isChannelRow(row))
        return;
    BeginUpdate();
    SetReadOnly(ColTx, row, false);
    SetText(ColRx, row, FrequencyText(channel.Rx));
    SetText(ColTx, row, channel.Tx > -1.0 ? FrequencyText(channel.Tx) : QString());
    SetText(ColDec, row, channel.DecTone.isEmpty() ? m_texts.None : channel.DecTone);
    SetText(ColEnc, row, channel.EncTone.isEmpty() ? m_texts.None : channel.EncTone);
    const int indexes[] = {channel.TxPower, channel.WideNarrow, channel.ScanAdd,
                           channel.BeatShift, channel.BusyLockout};
    for (int col = kFirstOptionColumn; col <= kLastColumn; ++col) {
        const int index = indexes[col - kFirstOptionColumn];
        SetHidden(col, row, QString::number(index));
        SetText(col, row, m_texts.OptionText(col, index));
    }
    SetHidden(ColNumber, row, kInUse);
    EndUpdate();
}

int TChannelStore::optionIndex(int col, int row) const
{
    bool ok = false;
    const int index = Hidden(col, row).trimmed().toInt(&ok);
    return ok && (index == 0 || index == 1) ? index : 0;
}

QString TChannelStore::toneOf(int col, int row) const
{
    const QString text = Text(col, row);
    return text == m_texts.None ? QString() : text;
}

std::optional<TChannelValues> TChannelStore::ReadChannelRow(int row) const
{
    if (!isChannelRow(row))
        return std::nullopt;
    const std::optional<double> rx = EncodableFrequency(Text(ColRx, row));
    if (!rx)
        return std::nullopt;
    TChannelValues channel;
    channel.Rx = *rx;
    channel.Tx = EncodableFrequency(Text(ColTx, row)).value_or(-1.0);
    channel.DecTone = toneOf(ColDec, row);
    channel.EncTone = toneOf(ColEnc, row);
    channel.TxPower = optionIndex(ColPower, row);
    channel.WideNarrow = optionIndex(ColWideNarrow, row);
    channel.ScanAdd = optionIndex(ColScanAdd, row);
    channel.BeatShift = optionIndex(ColBeatShift, row);
    channel.BusyLockout = optionIndex(ColBusyLockout, row);
    return channel;
}

// ---- texts ------------------------------------------------------------------

void TChannelStore::SetTexts(const TChannelTexts &texts)
{
    const TChannelTexts previous = m_texts;
    m_texts = texts;
    BeginUpdate();
    for (int row = kFirstChannelRow; row < m_rows; ++row) {
        if (Text(ColRx, row).trimmed().isEmpty())
            continue;
        for (int col : {ColDec, ColEnc}) {
            if (Text(col, row) == previous.None)
                SetText(col, row, m_texts.None);
        }
        for (int col = kFirstOptionColumn; col <= kLastColumn; ++col)
            SetText(col, row, m_texts.OptionText(col, optionIndex(col, row)));
    }
    EndUpdate();
}

void TChannelStore::SetColumnDefinitions(const QStringList &definitions)
{
    m_columnDefinitions = definitions;
    BeginUpdate();
    for (int col = ColNumber; col <= kLastColumn; ++col)
        SetText(col, kHeaderRow, ColumnTitle(col));
    EndUpdate();
}

QString TChannelStore::ColumnTitle(int col) const
{
    if (col < ColNumber || col > kLastColumn)
        return QString();
    return m_columnDefinitions.value(col - 1);
}

// ---- change notices ---------------------------------------------------------

void TChannelStore::BeginUpdate()
{
    ++m_updateDepth;
}

void TChannelStore::EndUpdate()
{
    if (m_updateDepth == 0 || --m_updateDepth > 0 || m_pending.isEmpty())
        return;
    const Span span = m_pending;
    m_pending = {};
    announce(span);
}

void TChannelStore::changed(int col, int row)
{
    const Span cell{col, col, row, row};
    if (m_updateDepth == 0) {
        announce(cell);
        return;
    }
    if (m_pending.isEmpty()) {
        m_pending = cell;
        return;
    }
    m_pending.firstCol = std::min(m_pending.firstCol, col);
    m_pending.lastCol = std::max(m_pending.lastCol, col);
    m_pending.firstRow = std::min(m_pending.firstRow, row);
    m_pending.lastRow = std::max(m_pending.lastRow, row);
}

void TChannelStore::announce(const Span &span)
{
    // Column 0 and row 0 are never shown; row 1 is the horizontal header.
    const int firstCol = std::max(span.firstCol, int(ColNumber));
    const int lastCol = std::min(span.lastCol, kLastColumn);
    if (firstCol > lastCol)
        return;
    if (span.firstRow <= kHeaderRow && span.lastRow >= kHeaderRow)
        emit headerDataChanged(Qt::Horizontal, firstCol - 1, lastCol - 1);
    const int firstRow = std::max(span.firstRow, kFirstChannelRow);
    const int lastRow = std::min(span.lastRow, m_rows - 1);
    if (firstRow <= lastRow)
        emit dataChanged(index(firstRow - kFirstChannelRow, firstCol - 1),
                         index(lastRow - kFirstChannelRow, lastCol - 1));
}

// ---- QAbstractTableModel ----------------------------------------------------

// Views ask about the invalid index too; that is no fault of theirs.
bool TChannelStore::isCellIndex(const QModelIndex &index) const
{
    return index.isValid() && checkIndex(index, CheckIndexOption::ParentIsInvalid);
}

int TChannelStore::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(0, m_rows - kFirstChannelRow);
}

int TChannelStore::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kGridColumns;
}

QVariant TChannelStore::data(const QModelIndex &index, int role) const
{
    if (!isCellIndex(index))
        return {};
    const int col = index.column() + 1;
    const Cell *c = cellAt(col, index.row() + kFirstChannelRow);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return c->text;
    case HiddenRole:
        return c->hidden;
    case Qt::TextAlignmentRole:
        if (const Qt::Alignment alignment = m_alignment[size_t(col)])
            return int(alignment);
        return {};
    default:
        return {};
    }
}

bool TChannelStore::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !isCellIndex(index))
        return false;
    const int col = index.column() + 1;
    const int row = index.row() + kFirstChannelRow;
    if (ReadOnly(col, row))
        return false;
    const QString text = value.toString();
    if (text != Text(col, row))
        SetForeText(col, row, text);
    return true;
}

Qt::ItemFlags TChannelStore::flags(const QModelIndex &index) const
{
    if (!isCellIndex(index))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (!ReadOnly(index.column() + 1, index.row() + kFirstChannelRow))
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant TChannelStore::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kGridColumns)
        return QAbstractTableModel::headerData(section, orientation, role);
    const int col = section + 1;
    switch (role) {
    case Qt::DisplayRole:
        // Before the first ResetRows there is no header row yet.
        return m_rows > kHeaderRow ? Text(col, kHeaderRow) : ColumnTitle(col);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

#include "cli/ChannelImport.h"

#include "core/Workspace.h"
#include "image/FrequencyRange.h"
#include "image/ValueFormats.h"

#include <QHash>
#include <array>

namespace {

constexpr int kFirst = TChannelStore::ColNumber;
constexpr int kLast = TChannelStore::ColBusyLockout;
constexpr int kAbsent = -1;

// Where each table column (1..10) sits in a record, or kAbsent.
using ColumnMap = std::array<int, TChannelStore::ColumnCount>;

bool isInteger(const QString &text)
{
    bool ok = false;
    text.trimmed().toInt(&ok);
    return ok;
}

class RowImporter {
public:
    RowImporter(TWorkspace &ws, const ColumnMap &map, TImportReport &report)
        : m_ws(ws), m_store(ws.Channels), m_map(map), m_report(report),
          m_limits(TFrequencyLimits::Of(ws.All))
    {
    }

    void import(const TCsvRecord &record, int position);

private:
    bool present(const TCsvRecord &record, int col) const
    {
        return m_map[col] != kAbsent && m_map[col] < record.fields.size();
    }
    QString field(const TCsvRecord &record, int col) const
    {
        return present(record, col) ? record.fields[m_map[col]].trimmed() : QString();
    }
    void error(const TCsvRecord &record, const QString &text)
    {
        m_report.errors.append(QStringLiteral("line %1: %2").arg(record.line).arg(text));
    }
    bool checkFrequency(const TCsvRecord &record, int col, const QString &text);
    bool optionIndex(const TCsvRecord &record, int col, int &index);

    TWorkspace &m_ws;
    TChannelStore &m_store;
    const ColumnMap &m_map;
    TImportReport &m_report;
    TFrequencyLimits m_limits;
    QHash<int, int> m_lineOfChannel;
};

bool RowImporter::checkFrequency(const TCsvRecord &record, int col, const QString &text)
{
    const QString what = m_store.ColumnTitle(col);
    const TFrequencyCommit commit = CommitFrequencyText(text, m_limits);
    switch (commit.verdict) {
    case TRangeVerdict::NotNumber:
        error(record, QStringLiteral("%1 \"%2\" is not a frequency in MHz").arg(what, text));
        return false;
    case TRangeVerdict::OutOfModel:
        error(record, QStringLiteral("%1 %2 lies outside what the %3 accepts (%4 - %5 MHz)")
                          .arg(what, text, m_ws.All.ModelName)
                          .arg(m_limits.modelLower)
                          .arg(m_limits.modelUpper));
        return false;
    case TRangeVerdict::OutOfBand:
        m_report.warnings.append(QStringLiteral("line %1: %2 %3 lies outside the band %4")
                                     .arg(record.line)
                                     .arg(what, commit.text, m_ws.All.BandText.trimmed()));
        return true;
    case TRangeVerdict::Inside:
        return true;
    }
    return true;
}

bool RowImporter::optionIndex(const TCsvRecord &record, int col, int &index)
{
    const QString text = field(record, col);
    if (text.isEmpty())
        return true; // keeps the new-channel default
    const QStringList &items = m_store.Texts().OptionList(col);
    for (int i = 0; i < items.size(); ++i) {
        if (text.compare(items[i], Qt::CaseInsensitive) == 0 || text == QString::number(i)) {
            index = i;
            return true;
        }
    }
    error(record, QStringLiteral("%1 \"%2\" is not one of %3, 0, 1")
                      .arg(m_store.ColumnTitle(col), text, items.join(QStringLiteral(", "))));
    return false;
}

void RowImporter::import(const TCsvRecord &record, int position)
{
    const int count = m_store.RowCount() - 2;
    int channel = position;
    if (m_map[TChannelStore::ColNumber] != kAbsent) {
        const QString number = field(record, TChannelStore::ColNumber);
        bool ok = false;
        channel = number.toInt(&ok);
        if (!ok || channel < 1 || channel > count) {
            error(record, QStringLiteral("channel number \"%1\" is not between 1 and %2").arg(number).arg(count));
            return;
        }
    } else if (channel > count) {
        error(record, QStringLiteral("more rows than the %1 channels of the %2").arg(count).arg(m_ws.All.ModelName));
        return;
    }
    if (m_lineOfChannel.contains(channel)) {
        error(record, QStringLiteral("channel %1 is already on line %2").arg(channel).arg(m_lineOfChannel[channel]));
        return;
    }
    m_lineOfChannel.insert(channel, record.line);

    const QString rx = field(record, TChannelStore::ColRx);
    if (rx.isEmpty())
        return; // a row without a channel, whatever else it holds
    const QString tx = field(record, TChannelStore::ColTx);
    bool good = checkFrequency(record, TChannelStore::ColRx, rx);
    if (!tx.isEmpty())
        good = checkFrequency(record, TChannelStore::ColTx, tx) && good;
    std::array<int, TChannelStore::ColumnCount> option{};
    option.fill(kAbsent);
    for (int col = TChannelStore::ColPower; col <= kLast; ++col)
        good = optionIndex(record, col, option[col]) && good;
    if (!good)
        return;

    const int row = channel + 1;
    m_store.SetForeText(TChannelStore::ColRx, row, rx); // applies the new-channel defaults
    if (present(record, TChannelStore::ColTx))
        m_store.SetForeText(TChannelStore::ColTx, row, tx);
    for (int col : {int(TChannelStore::ColDec), int(TChannelStore::ColEnc)}) {
        const QString tone = field(record, col);
        if (tone.isEmpty() || tone.compare(m_store.Texts().None, Qt::CaseInsensitive) == 0)
            continue; // the default is no tone
        m_store.SetText(col, row, CheckToneText(tone));
    }
    for (int col = TChannelStore::ColPower; col <= kLast; ++col) {
        if (option[col] == kAbsent)
            continue;
        m_store.SetHidden(col, row, QString::number(option[col]));
        m_store.SetText(col, row, m_store.Texts().OptionText(col, option[col]));
    }
}

} // namespace

TImportReport ImportChannels(const QList<TCsvRecord> &records, TWorkspace &ws)
{
    TImportReport report;
    ColumnMap map;
    for (int col = 0; col < TChannelStore::ColumnCount; ++col)
        map[col] = col >= kFirst ? col - kFirst : kAbsent;

    qsizetype first = 0;
    if (!records.isEmpty() && !isInteger(records.first().fields.value(0))) {
        const TCsvRecord &header = records.first();
        map.fill(kAbsent);
        for (int i = 0; i < header.fields.size(); ++i) {
            const QString title = header.fields[i].trimmed();
            int found = kAbsent;
            for (int col = kFirst; col <= kLast; ++col)
                if (title.compare(ws.Channels.ColumnTitle(col), Qt::CaseInsensitive) == 0)
                    found = col;
            if (found == kAbsent) {
                report.errors.append(QStringLiteral("line %1: unknown column \"%2\"").arg(header.line).arg(title));
            } else if (map[found] != kAbsent) {
                report.errors.append(QStringLiteral("line %1: column \"%2\" appears twice").arg(header.line).arg(title));
            } else {
                map[found] = i;
            }
        }
        if (map[TChannelStore::ColRx] == kAbsent)
            report.errors.append(QStringLiteral("line %1: there is no \"%2\" column")
                                     .arg(header.line)
                                     .arg(ws.Channels.ColumnTitle(TChannelStore::ColRx)));
        if (!report.errors.isEmpty())
            return report;
        first = 1;
    }

    RowImporter importer(ws, map, report);
    ws.Channels.BeginUpdate();
    for (qsizetype i = first; i < records.size(); ++i)
        importer.import(records[i], int(i - first + 1));
    ws.Channels.EndUpdate();
    return report;
}

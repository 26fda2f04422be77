// Importing any bytes as a CSV channel table: no crash; every record either
// lands in the table or is reported, and whatever lands saves cleanly.

#include "FuzzTarget.h"
#include "cli/ChannelImport.h"
#include "core/Workspace.h"
#include "image/DataFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<TCsvRecord> records;
    QString error;
    if (!ParseCsv(text, records, error)) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    for (const TCsvRecord &r : records)
        FUZZ_CHECK(r.line >= 1 && !r.fields.isEmpty());

    TWorkspace ws;
    BuildWorkspace(ws);
    StartWithModel(ws, *ws.Models.Item(0));
    const TImportReport report = ImportChannels(records, ws);
    if (!report.errors.isEmpty())
        return 0;
    // Every channel the table now holds is one the codec can store.
    const QByteArray image = EncodeDataFile(ws, QDateTime(QDate(2026, 1, 2), QTime(3, 4)));
    TWorkspace back;
    BuildWorkspace(back);
    StartWithModel(back, *back.Models.Item(0));
    FUZZ_CHECK(DecodeDataFile(image, back).ok());
    for (int row = 2; row < ws.Channels.RowCount(); ++row)
        FUZZ_CHECK(ws.Channels.Text(TChannelStore::ColRx, row) == back.Channels.Text(TChannelStore::ColRx, row));
    return 0;
}

// Opening any bytes as a data file: no crash, and whatever is accepted
// saves to an image that opens again and saves to the same bytes.

#include "FuzzTarget.h"
#include "core/Workspace.h"
#include "image/DataFile.h"

namespace {

const QDateTime kSaveTime(QDate(2026, 1, 2), QTime(3, 4));

QByteArray openAndSave(const QByteArray &image, bool &accepted)
{
    TWorkspace ws;
    BuildWorkspace(ws);
    StartWithModel(ws, *ws.Models.Item(0));
    accepted = DecodeDataFile(image, ws).ok();
    return accepted ? EncodeDataFile(ws, kSaveTime) : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    bool accepted = false;
    const QByteArray first = openAndSave(input, accepted);
    if (!accepted)
        return 0;
    const QByteArray second = openAndSave(first, accepted);
    FUZZ_CHECK(accepted);
    const QByteArray third = openAndSave(second, accepted);
    FUZZ_CHECK(accepted);
    FUZZ_CHECK(second == third);
    return 0;
}

#include "image/DataFile.h"

#include "core/Workspace.h"
#include "image/ImageContent.h"
#include "image/WriteRead.h"

#include <QFile>
#include <QSaveFile>
#include <optional>
#include <vector>

namespace {

constexpr int kBlockSize = 16;

// Block indexes after the channels, counted from N + M.
enum AfterChannels {
    ExtendedSettingsAt = 0,
    MessagesAt = 1, // four blocks: A 1..16, A 17..32, B 1..16, B 17..32
    BasicSettingsAt = 5,
    ModelBandAt = 6,
    BitmapsAt = 7,
};

int tailStart(const TMacType &model)
{
    return model.ChannelCount + model.ExtraBlocks;
}

// What a reader needs: everything up to the model and band block (the
// bitmap blocks are never read back).
int readLayoutSize(const TMacType &model)
{
    return (tailStart(model) + BitmapsAt) * kBlockSize;
}

// The band digits of the header: lower and upper limit as three digits each,
// "450470".
QString bandDigits(double lower, double upper)
{
    auto three = [](double v) { return QStringLiteral("%1").arg(qRound(v), 3, 10, QLatin1Char('0')); };
    return three(lower) + three(upper);
}

class BlockWriter {
public:
    void add(const TBlock &block) { m_bytes.append(reinterpret_cast<const char *>(block.data()), kBlockSize); }
    void addBlank()
    {
        TBlock b;
        TBWriteRead::FillBlank(b);
        add(b);
    }
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

TBlock blockAt(const QByteArray &image, int index)
{
    TBlock b;
    std::copy_n(reinterpret_cast<const uint8_t *>(image.constData()) + qsizetype(index) * kBlockSize,
                kBlockSize, b.begin());
    return b;
}

} // namespace

int DataFileSize(const TMacType &model)
{
    const int bitmaps = ImageContent::HasBitmaps(model) ? 4 : 0;
    return readLayoutSize(model) + bitmaps * kBlockSize;
}

QByteArray EncodeDataFile(TWorkspace &ws, const QDateTime &saveTime)
{
    TALL &all = ws.All;
    const TMacType &model = *all.CurrentModel;
    all.ChannelUsedFlags.clear();
    all.ScanAddFlags.clear();

    BlockWriter out;
    TBlock b;
    // The header names the model the file opens as: the current model's own
    // code. ModelCode may hold another code read from a radio or a file
    // (the model and band block keeps it); in the header it would make the
    // saved file open as another model, or not at all.
    TBWriteRead::EncodeHeader(b, QStringLiteral("P") + model.Code,
                              bandDigits(all.BandLowerLimit, all.BandUpperLimit),
                              saveTime.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    out.add(b);

    for (int k = 1; k <= model.ChannelCount; ++k) {
        ImageContent::EncodeChannelRow(ws.Channels, k, b, all.ChannelUsedFlags, all.ScanAddFlags);
        out.add(b);
    }
    for (int i = 1; i < model.ExtraBlocks; ++i)
        out.addBlank();

    TBWriteRead::EncodeExtendedSettings(b, ws.Fun);
    out.add(b);
    for (const QString *message : {&ws.EnMsg.MessageA, &ws.EnMsg.MessageB}) {
        for (int half = 0; half < 2; ++half) {
            ImageContent::EncodeMessageHalf(b, *message, half);
            out.add(b);
        }
    }
    TBWriteRead::EncodeBasicSettings(b, ws.Fun);
    out.add(b);
    TBWriteRead::EncodeModelBand(b, all.ModelCode, ws.Bands.CodeOf(all.BandText));
    out.add(b);

    if (ImageContent::HasBitmaps(model)) {
        for (const QString *flags : {&all.ChannelUsedFlags, &all.ScanAddFlags}) {
            for (int part = 0; part < 2; ++part) {
                ImageContent::EncodeBitmapPart(b, *flags, part);
                out.add(b);
            }
        }
    }
    return out.bytes();
}

TDataFileResult DecodeDataFile(const QByteArray &image, TWorkspace &ws)
{
    if (image.size() < kBlockSize)
        return {TDataFileResult::TooShort, QString::number(image.size())};

    QString identity, digits, date;
    TBWriteRead::DecodeHeader(blockAt(image, 0), identity, digits, date);
    const QString code = identity.mid(1).trimmed();
    const TMacType *model = ws.Models.FindByCode(code);
    if (!model)
        return {TDataFileResult::UnknownModel, code};
    if (image.size() < readLayoutSize(*model))
        return {TDataFileResult::TooShort, QString::number(image.size())};

    // Decode everything first, then apply: the workspace changes only with a
    // whole file. Each channel starts from empty tone texts, so an invalid
    // tone code gives that channel no tone rather than the previous one's.
    ImageContent::TImageValues values;
    values.model = model;
    for (int k = 1; k <= model->ChannelCount; ++k)
        values.channels.push_back(ImageContent::DecodeChannelBlock(blockAt(image, k)));
    const int tail = tailStart(*model);
    values.fun = ws.Fun;
    TBWriteRead::DecodeExtendedSettings(blockAt(image, tail + ExtendedSettingsAt), values.fun);
    values.messages.MessageA = ImageContent::DecodeMessagePair(blockAt(image, tail + MessagesAt),
                                                               blockAt(image, tail + MessagesAt + 1));
    values.messages.MessageB = ImageContent::DecodeMessagePair(blockAt(image, tail + MessagesAt + 2),
                                                               blockAt(image, tail + MessagesAt + 3));
    TBWriteRead::DecodeBasicSettings(blockAt(image, tail + BasicSettingsAt), values.fun);
    const int bandCode = TBWriteRead::DecodeModelBand(blockAt(image, tail + ModelBandAt), values.modelCode);
    values.bandText = ws.Bands.TextOf(bandCode);

    ImageContent::ApplyImageValues(ws, values);
    ImageContent::FillChannelRows(ws.Channels, values.channels);
    return {};
}

TDataFileResult SaveDataFile(const QString &path, TWorkspace &ws, const QDateTime &saveTime)
{
    if (!ws.All.CurrentModel)
        return {TDataFileResult::NoModel, {}};
    const QByteArray image = EncodeDataFile(ws, saveTime);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size() || !file.commit())
        return {TDataFileResult::CannotWrite, file.errorString()};
    ws.All.Modified = false;
    return {};
}

TDataFileResult LoadDataFile(const QString &path, TWorkspace &ws)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {TDataFileResult::CannotOpen, file.errorString()};
    // A data file is a kilobyte; anything far larger is not one of ours, and
    // only the layout's length is ever looked at.
    constexpr qint64 kReadLimit = 64 * 1024;
    const QByteArray image = file.read(kReadLimit);
    if (file.error() != QFileDevice::NoError)
        return {TDataFileResult::CannotOpen, file.errorString()};
    TDataFileResult result = DecodeDataFile(image, ws);
    if (result.ok())
        ws.All.Modified = false;
    return result;
}

QString DataFileMessage(const TDataFileResult &result, const QString &path, const TLanguage &messages)
{
    switch (result.status) {
    case TDataFileResult::Ok:
        return {};
    case TDataFileResult::UnknownModel:
        return messages.ModError;
    case TDataFileResult::TooShort:
        return messages.BadFile;
    case TDataFileResult::NoModel:
    case TDataFileResult::CannotOpen:
    case TDataFileResult::CannotWrite:
        break;
    }
    return path + QStringLiteral(": ") + result.detail;
}

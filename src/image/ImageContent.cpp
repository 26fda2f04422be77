#include "image/ImageContent.h"

#include "core/Workspace.h"

namespace ImageContent {

bool HasBitmaps(const TMacType &model)
{
    return model.ChannelCount > BitmapChannels;
}

void EncodeChannelRow(const TChannelStore &store, int channel, TBlock &block, QString &usedFlags,
                      QString &scanFlags)
{
    const std::optional<TChannelValues> values = store.ReadChannelRow(channel + 1);
    if (!values) {
        usedFlags += u'0';
        scanFlags += u'0';
        TBWriteRead::FillBlank(block);
        return;
    }
    usedFlags += u'1';
    scanFlags += values->ScanAdd == 1 ? u'1' : u'0';
    TBWriteRead::EncodeChannel(block, *values);
}

void EncodeMessageHalf(TBlock &block, const QString &message, int half)
{
    TBWriteRead::EncodeMessage(block, message.mid(half * MessageHalf, MessageHalf));
}

void EncodeBitmapPart(TBlock &block, const QString &flags, int part)
{
    TBWriteRead::EncodeBitmap(block, flags.mid(part * FlagsPerBitmap, FlagsPerBitmap));
}

std::optional<TChannelValues> DecodeChannelBlock(const TBlock &block)
{
    TChannelValues channel;
    if (!TBWriteRead::DecodeChannel(block, channel))
        return std::nullopt;
    return channel;
}

QString DecodeMessagePair(const TBlock &first, const TBlock &second)
{
    return TBWriteRead::DecodeMessage(first) + TBWriteRead::DecodeMessage(second);
}

void ApplyImageValues(TWorkspace &ws, const TImageValues &values)
{
    TALL &all = ws.All;
    SelectModel(all, *values.model);
    all.ModelCode = values.modelCode; // the model and band block has the last word
    SelectBand(all, values.bandText);
    ws.Fun = values.fun;
    ws.EnMsg = values.messages;
}

void FillChannelRows(TChannelStore &store, const std::vector<std::optional<TChannelValues>> &channels)
{
    store.BeginUpdate();
    store.ResetRows();
    for (size_t i = 0; i < channels.size(); ++i)
        if (channels[i])
            store.FillChannelRow(int(i) + 2, *channels[i]);
    store.EndUpdate();
}

} // namespace ImageContent

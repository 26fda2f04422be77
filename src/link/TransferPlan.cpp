#include "link/TransferPlan.h"

#include "core/Workspace.h"
#include "image/ImageContent.h"

namespace {

constexpr int kBlockBytes = 16;
// The extended settings block lies among the reserved blocks, at the same
// address for every model; the bitmap blocks follow it.
constexpr int kExtendedSettingsAddress = 688;
constexpr int kFirstBitmapAddress = 704;

// Block addresses after the reserved blocks, counted from 16 * (N + M).
enum AfterReserved {
    MessageA1At = 1, MessageA2At, MessageB1At, MessageB2At, BasicSettingsAt, ModelBandAt,
};

int tailAddress(const TMacType &model, int index)
{
    return kBlockBytes * (model.ChannelCount + model.ExtraBlocks + index);
}

// The blocks both transfers move, in the order they move them.
QList<TBlockSlot> commonMap(const TMacType &model)
{
    QList<TBlockSlot> map;
    map.append({0, TBlockKind::Header});
    for (int k = 1; k <= model.ChannelCount; ++k)
        map.append({kBlockBytes * k, TBlockKind::Channel, k});
    map.append({tailAddress(model, MessageA1At), TBlockKind::MessageA1});
    map.append({tailAddress(model, MessageA2At), TBlockKind::MessageA2});
    map.append({tailAddress(model, MessageB1At), TBlockKind::MessageB1});
    map.append({tailAddress(model, MessageB2At), TBlockKind::MessageB2});
    map.append({tailAddress(model, BasicSettingsAt), TBlockKind::BasicSettings});
    map.append({tailAddress(model, ModelBandAt), TBlockKind::ModelBand});
    map.append({kExtendedSettingsAddress, TBlockKind::ExtendedSettings, 0, true});
    return map;
}

} // namespace

QList<TBlockSlot> ReadMap(const TMacType &model)
{
    return commonMap(model);
}

QList<TBlockSlot> WriteMap(const TMacType &model)
{
    QList<TBlockSlot> map = commonMap(model);
    if (ImageContent::HasBitmaps(model)) {
        int address = kFirstBitmapAddress;
        for (TBlockKind kind : {TBlockKind::UsedBitmap1, TBlockKind::UsedBitmap2, TBlockKind::ScanBitmap1,
                                TBlockKind::ScanBitmap2}) {
            map.append({address, kind});
            address += kBlockBytes;
        }
    }
    return map;
}

int ReadProgressMaximum(const TMacType &model)
{
    return model.ChannelCount + 6;
}

int WriteProgressMaximum(const TMacType &model)
{
    return model.ChannelCount + (ImageContent::HasBitmaps(model) ? 10 : 6);
}

TWritePlan BuildWritePlan(const TWorkspace &ws)
{
    TWritePlan plan;
    const TALL &all = ws.All;
    if (!all.CurrentModel)
        return plan;
    const QList<TBlockSlot> map = WriteMap(*all.CurrentModel);
    // Channels come before the bitmaps in the map, so the flags are complete
    // by the time a bitmap block is encoded.
    for (const TBlockSlot &slot : map) {
        TPlannedBlock planned{slot, {}};
        TBlock &b = planned.bytes;
        switch (slot.kind) {
        case TBlockKind::Header:
            TBWriteRead::FillBlank(b);
            break;
        case TBlockKind::Channel:
            ImageContent::EncodeChannelRow(ws.Channels, slot.channel, b, plan.channelUsedFlags,
                                           plan.scanAddFlags);
            break;
        case TBlockKind::MessageA1:
        case TBlockKind::MessageA2:
            ImageContent::EncodeMessageHalf(b, ws.EnMsg.MessageA, slot.kind == TBlockKind::MessageA2);
            break;
        case TBlockKind::MessageB1:
        case TBlockKind::MessageB2:
            ImageContent::EncodeMessageHalf(b, ws.EnMsg.MessageB, slot.kind == TBlockKind::MessageB2);
            break;
        case TBlockKind::BasicSettings:
            TBWriteRead::EncodeBasicSettings(b, ws.Fun);
            break;
        case TBlockKind::ModelBand:
            TBWriteRead::EncodeModelBand(b, all.ModelCode, ws.Bands.CodeOf(all.BandText));
            break;
        case TBlockKind::ExtendedSettings:
            TBWriteRead::EncodeExtendedSettings(b, ws.Fun);
            break;
        case TBlockKind::UsedBitmap1:
        case TBlockKind::UsedBitmap2:
            ImageContent::EncodeBitmapPart(b, plan.channelUsedFlags, slot.kind == TBlockKind::UsedBitmap2);
            break;
        case TBlockKind::ScanBitmap1:
        case TBlockKind::ScanBitmap2:
            ImageContent::EncodeBitmapPart(b, plan.scanAddFlags, slot.kind == TBlockKind::ScanBitmap2);
            break;
        }
        plan.blocks.push_back(planned);
    }
    return plan;
}

bool DecodeReadBlocks(const TMacType &model, const QList<TBlockSlot> &map, const std::vector<TBlock> &blocks,
                      const TFrqList &bands, TReadResult &result)
{
    if (size_t(map.size()) != blocks.size())
        return false;
    TReadResult decoded;
    decoded.model = &model;
    decoded.channels.resize(size_t(model.ChannelCount));
    // Message halves arrive one block at a time; join them once all are in.
    TBlock messageBlocks[4];
    for (TBlock &b : messageBlocks)
        TBWriteRead::FillBlank(b);
    for (qsizetype i = 0; i < map.size(); ++i) {
        const TBlockSlot &slot = map[i];
        const TBlock &b = blocks[size_t(i)];
        switch (slot.kind) {
        case TBlockKind::Header: // what a radio holds there is never used
            break;
        case TBlockKind::Channel:
            if (slot.channel < 1 || slot.channel > model.ChannelCount)
                return false;
            decoded.channels[size_t(slot.channel - 1)] = ImageContent::DecodeChannelBlock(b);
            break;
        case TBlockKind::MessageA1:
            messageBlocks[0] = b;
            break;
        case TBlockKind::MessageA2:
            messageBlocks[1] = b;
            break;
        case TBlockKind::MessageB1:
            messageBlocks[2] = b;
            break;
        case TBlockKind::MessageB2:
            messageBlocks[3] = b;
            break;
        case TBlockKind::BasicSettings:
            TBWriteRead::DecodeBasicSettings(b, decoded.fun);
            break;
        case TBlockKind::ModelBand:
            decoded.bandText = bands.TextOf(TBWriteRead::DecodeModelBand(b, decoded.modelCode));
            break;
        case TBlockKind::ExtendedSettings:
            TBWriteRead::DecodeExtendedSettings(b, decoded.fun);
            break;
        case TBlockKind::UsedBitmap1:
        case TBlockKind::UsedBitmap2:
        case TBlockKind::ScanBitmap1:
        case TBlockKind::ScanBitmap2: // the channels themselves say which are used
            break;
        }
    }
    decoded.messages.MessageA = ImageContent::DecodeMessagePair(messageBlocks[0], messageBlocks[1]);
    decoded.messages.MessageB = ImageContent::DecodeMessagePair(messageBlocks[2], messageBlocks[3]);
    result = std::move(decoded);
    return true;
}

void ApplyReadResult(TWorkspace &ws, const TReadResult &result)
{
    if (!result.model)
        return;
    ImageContent::TImageValues values;
    values.model = result.model;
    values.modelCode = result.modelCode;
    values.bandText = result.bandText;
    values.messages = result.messages;
    values.fun = result.fun;
    ImageContent::ApplyImageValues(ws, values);
    NormalizeSettings(ws.Fun);
    ws.All.Modified = true;
}

void LoadReadChannels(TWorkspace &ws, const TReadResult &result)
{
    if (!result.model)
        return;
    ImageContent::FillChannelRows(ws.Channels, result.channels);
}

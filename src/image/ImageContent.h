#pragma once
// The content of a memory image apart from where its blocks lie: how a
// channel row, a message half and a bitmap part become blocks, and how a
// decoded image is taken into the workspace. The data file and the radio
// transfers lay the same blocks out differently; both build them here.

#include "image/AllClass.h"
#include "image/WriteRead.h"

#include <QString>
#include <optional>
#include <vector>

class TChannelStore;
class TMacType;
struct TWorkspace;

namespace ImageContent {

inline constexpr int MessageHalf = 16;     // characters per message block
inline constexpr int FlagsPerBitmap = 128; // flags per bitmap block
inline constexpr int BitmapChannels = 16;  // more channels than this add the bitmap blocks

bool HasBitmaps(const TMacType &model);

// Channel k (row k + 1 of the store) as a block, a blank block for a row
// without a channel; appends its "1"/"0" to usedFlags and scanFlags.
void EncodeChannelRow(const TChannelStore &store, int channel, TBlock &block, QString &usedFlags,
                      QString &scanFlags);
// Characters 1..16 (half 0) or 17..32 (half 1) of message.
void EncodeMessageHalf(TBlock &block, const QString &message, int half);
// Flags 1..128 (part 0) or 129..256 (part 1).
void EncodeBitmapPart(TBlock &block, const QString &flags, int part);

// A channel block as a channel, none when the codec does not take it as one.
// Starts from empty tone texts, so an invalid tone code gives no tone.
std::optional<TChannelValues> DecodeChannelBlock(const TBlock &block);
// A message from its two blocks.
QString DecodeMessagePair(const TBlock &first, const TBlock &second);

// What an image decodes into, before it is taken into the workspace.
struct TImageValues {
    const TMacType *model = nullptr;
    QString modelCode; // from the model and band block
    QString bandText;  // band list text of the block's band code
    std::vector<std::optional<TChannelValues>> channels; // index k-1 for channel k
    TEnMsg messages;
    TFun fun;
};

// SelectModel, ModelCode from the block, the band through SelectBand, the
// settings and the messages. Channels and Modified are left alone.
void ApplyImageValues(TWorkspace &ws, const TImageValues &values);
// ResetRows, then each decoded channel into its row (one change notice).
void FillChannelRows(TChannelStore &store, const std::vector<std::optional<TChannelValues>> &channels);

} // namespace ImageContent

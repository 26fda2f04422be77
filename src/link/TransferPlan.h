#pragma once
// What a transfer moves: the address map of a model, the blocks a write
// sends (encoded from the workspace) and what a read's blocks become
// (decoded into a staging result that is applied only when the whole read
// succeeded). No I/O here; the link and the simulated radio both use it.
//
// For the catalogue models (16 channels, 39 extra blocks) the order is
//   0 (header), 16..256 (channels 1..16), 896, 912 (message A),
//   928, 944 (message B), 960 (basic settings), 976 (model and band),
//   688 (extended settings)
// and, for a model of more than 16 channels, the write adds the bitmap
// blocks 704, 720, 736, 752.

#include "image/WriteRead.h"
#include "core/MacType.h"
#include "image/AllClass.h"

#include <QList>
#include <QString>
#include <optional>
#include <vector>

class TMacType;
struct TWorkspace;

enum class TBlockKind {
    Header, Channel, MessageA1, MessageA2, MessageB1, MessageB2,
    BasicSettings, ModelBand, ExtendedSettings,
    UsedBitmap1, UsedBitmap2, ScanBitmap1, ScanBitmap2,
};

struct TBlockSlot {
    int address = 0;
    TBlockKind kind = TBlockKind::Header;
    int channel = 0;      // 1..N for channel blocks, else 0
    bool frameY = false;  // sent with 0x59 frames (extended settings)
};

// The blocks a read asks for, in order (N + 8 of them).
QList<TBlockSlot> ReadMap(const TMacType &model);
// The blocks a write sends, in order (N + 8, or N + 12 with bitmaps).
QList<TBlockSlot> WriteMap(const TMacType &model);
// Progress maximum: read N + 6; write N + 6, or N + 10 when N > 16.
int ReadProgressMaximum(const TMacType &model);
int WriteProgressMaximum(const TMacType &model);

struct TPlannedBlock {
    TBlockSlot slot;
    TBlock bytes{};
};

struct TWritePlan {
    std::vector<TPlannedBlock> blocks;
    QString channelUsedFlags; // "1"/"0" per channel, as the write builds them
    QString scanAddFlags;
};

// Encodes every block of a write of ws's CurrentModel from the channel store,
// the messages, the settings, ModelCode and BandText. The header goes as
// sixteen 0xFF. Nothing is sent; ws is not changed.
TWritePlan BuildWritePlan(const TWorkspace &ws);

// A read's result, kept apart from the workspace until it is complete.
struct TReadResult {
    const TMacType *model = nullptr;   // the identified model
    QString modelCode;                 // from the model and band block
    QString bandText;                  // band list text of the block's band code
    std::vector<std::optional<TChannelValues>> channels; // index k-1 for channel k
    TEnMsg messages;
    TFun fun;                          // as decoded, not yet normalised
};

// Decodes the blocks of a read (in ReadMap order, one per slot) of model.
// False when blocks does not match the map.
bool DecodeReadBlocks(const TMacType &model, const QList<TBlockSlot> &map,
                      const std::vector<TBlock> &blocks, const TFrqList &bands,
                      TReadResult &result);

// Takes a complete read into the workspace: SelectModel, ModelCode, the band
// through SelectBand, the messages and settings (then NormalizeSettings),
// Modified set. The channels are not touched: LoadReadResult moves them into
// the channel table.
void ApplyReadResult(TWorkspace &ws, const TReadResult &result);

// Moves a read's channels into the channel table: ResetRows, then each
// channel row filled by the writer contract; rows without a channel stay
// empty.
void LoadReadChannels(TWorkspace &ws, const TReadResult &result);

#pragma once
// The extended settings block: ten function settings, one byte each (the
// low byte of the field), stored as read when decoded.
//
//   offset  0       VoicePrompt          5  VoxInhibitOnReceive
//           1       VoiceLanguage        6  LowVolInhibitTx
//           2       ScanMode             7  HighVolInhibitTx
//           3       VoxFunction          8  InceptAlarm
//           4       VoxGainLevel         9  FmRadio
//           10..15  FF

#include "image/blocks/Block.h"

struct TFun;

class TExtendedSettingsBlock {
public:
    static void Encode(TBlock &block, const TFun &fun);
    static void Decode(const TBlock &block, TFun &fun);
};

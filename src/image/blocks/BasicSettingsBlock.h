#pragma once
// The basic settings block: five function settings.
//
//   offset  0     | 1       | 2       | 3         | 4 .. 15
//          flags  | squelch | side key| TX timeout| FF ..
//
//   flags:  bit 7..2 = 0 | bit 1 = BatterySave | bit 0 = ClewVoice
//
// Decoding stores the bytes as read (0..255): the range clamps belong to the
// read transfer, not to opening a file.

#include "image/blocks/Block.h"

struct TFun;

class TBasicSettingsBlock {
public:
    static void Encode(TBlock &block, const TFun &fun);
    static void Decode(const TBlock &block, TFun &fun);

private:
    struct Offset {
        static constexpr int Flags = 0;
        static constexpr int SquelchLevel = 1;
        static constexpr int SideKey = 2;
        static constexpr int TxTimeOut = 3;
    };
    struct FlagBit {
        static constexpr int ClewVoice = 0;
        static constexpr int BatterySave = 1;
    };
};

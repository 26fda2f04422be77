#pragma once
// The channel bitmap block: 128 one-bit channel flags, built from a flag
// text of "0" and "1", one character per channel.
//
//   flag k (1..128) = bit (k-1) mod 8 of byte (k-1) div 8, bit 0 lowest
//
//   byte     0                 1                 ..  15
//   bit      7 6 5 4 3 2 1 0   7 6 5 4 3 2 1 0
//   flag     8 7 6 5 4 3 2 1  16 ...         9
//
// "1000000001" -> 01 02 00 00 .. 00. Unlike every other block it starts from
// sixteen 00 bytes: a flag beyond the text is clear, not erased.

#include "image/blocks/Block.h"

#include <QString>

class TBitmapBlock {
public:
    static constexpr int Capacity = 128;
    static constexpr int FlagsPerByte = 8;

    // Characters beyond the first Capacity are ignored.
    static void Encode(TBlock &block, const QString &flags);
};

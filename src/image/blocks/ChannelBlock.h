#pragma once
// The channel block: one channel of the channel table.
//
//   offset  0  1  2  3 | 4  5  6  7 | 8  9  | 10 11 | 12      | 13 14 15
//          RX field    | TX field   | Dec   | Enc   | options | FF FF FF
//          25 06 60 44 | 25 06 60 44| 70 06 | 23 80 | 0D      |
//
// RX and TX: four-byte BCD frequency fields (25 06 60 44 = 446.00625 MHz);
// a TX of FF FF FF FF means the channel has no TX frequency.
// Dec and Enc: tone codes (70 06 = 67.0 Hz, 23 80 = D023N, FF FF = none).
// options, one bit per option index (0 or 1):
//
//   bit  7 6 5 | 4        | 3        | 2   | 1          | 0
//        0 0 0 | Scan Add | TX Power | W/N | Beat Shift | Busy Lockout

#include "image/blocks/Block.h"

struct TChannelValues;

class TChannelBlock {
public:
    static void Encode(TBlock &block, const TChannelValues &channel);
    // False, with channel untouched, when the RX field holds no frequency
    // (a blank block among them). An invalid tone code keeps the caller's
    // tone text.
    static bool Decode(const TBlock &block, TChannelValues &channel);

private:
    struct Offset {
        static constexpr int Rx = 0;
        static constexpr int Tx = 4;
        static constexpr int DecTone = 8;
        static constexpr int EncTone = 10;
        static constexpr int Options = 12;
    };
    struct OptionBit {
        static constexpr int BusyLockout = 0;
        static constexpr int BeatShift = 1;
        static constexpr int WideNarrow = 2;
        static constexpr int TxPower = 3;
        static constexpr int ScanAdd = 4;
    };
};

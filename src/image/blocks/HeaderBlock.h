#pragma once
// The header block: who wrote the image, for which band, and when.
//
//   offset  0  1  2  3  4 | 5  6  7 | 8  9   | 10  11  12  13 | 14 15
//          identity text  | band    | year   | mon day hour min| FF FF
//          "P6842"        | 40 04 70| DB 07  | 03  05  0E  07  |
//
// identity: "P" + model code, padded with spaces, cut at five characters.
// band: lower and upper limit in whole MHz, three BCD digits each
// (400 - 470 MHz -> 40 04 70). year: little-endian 16 bits (2011 -> DB 07).
// month, day, hour, minute: plain binary, not BCD.

#include "image/blocks/Block.h"

#include <QString>

class THeaderBlock {
public:
    // saveTime is "yyyy-MM-dd HH:mm"; bandDigits six decimal digits.
    static void Encode(TBlock &block, const QString &identity, const QString &bandDigits,
                       const QString &saveTime);
    // identity: the five stored characters, spaces included; bandDigits: the
    // three band bytes as hexadecimal digits; date: "2011-03-05 14:07" (the
    // year without leading zeros, the rest two digits).
    static void Decode(const TBlock &block, QString &identity, QString &bandDigits,
                       QString &date);

private:
    struct Offset {
        static constexpr int Identity = 0;
        static constexpr int Band = 5;
        static constexpr int Year = 8;
        static constexpr int Month = 10;
        static constexpr int Day = 11;
        static constexpr int Hour = 12;
        static constexpr int Minute = 13;
    };
    static constexpr int IdentitySize = 5;
    static constexpr int BandSize = 3;
};

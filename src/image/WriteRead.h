#pragma once
// The memory image block codec: builds every kind of 16-byte block from
// values and reads it back. It keeps no state; the data file and the radio
// transfers call it in block order. Encoders never validate. The layout of
// each block kind lives in its own class under image/blocks/; this class is
// the one entry point the rest of the program uses.

#include "image/blocks/Block.h"

#include <QString>
#include <array>
#include <cstdint>

struct TFun;

// One channel as the codec sees it. Tx <= -1.0 means no TX frequency; an
// empty tone text means no tone; every index is 0 or 1.
struct TChannelValues {
    double Rx = 0;
    double Tx = -1.0;
    QString DecTone;
    QString EncTone;
    int WideNarrow = 0;  // 0 Wide, 1 Narrow
    int BeatShift = 0;   // 0 Yes, 1 No
    int TxPower = 0;     // 0 Low, 1 High
    int ScanAdd = 0;     // 0 Yes, 1 No
    int BusyLockout = 0; // 0 Yes, 1 No
    bool operator==(const TChannelValues &) const = default;
};

class TBWriteRead {
public:
    // Sixteen 0xFF: a row without a channel, or a reserved block.
    static void FillBlank(TBlock &block);

    // identity "P6842", band digits "400470", save time "2011-03-05 14:07" ->
    // 50 36 38 34 32 40 04 70 DB 07 03 05 0E 07 FF FF
    static void EncodeHeader(TBlock &block, const QString &identity, const QString &bandDigits,
                             const QString &saveTime);
    // identity: the five stored characters; bandDigits: "400470"; date:
    // "2011-03-05 14:07" (year without leading zeros, the rest two digits).
    static void DecodeHeader(const TBlock &block, QString &identity, QString &bandDigits,
                             QString &date);

    // RX 446.00625, TX 446.00625, "67.0", "D023N", W/N 1, Beat Shift 0,
    // TX Power 1, Scan Add 0, Busy Lockout 1 ->
    // 25 06 60 44 25 06 60 44 70 06 23 80 0D FF FF FF
    static void EncodeChannel(TBlock &block, const TChannelValues &channel);
    // False for a block whose RX field holds no frequency; channel is then
    // untouched. The tone texts are in-out: an invalid tone code leaves the
    // caller's text as it was.
    static bool DecodeChannel(const TBlock &block, TChannelValues &channel);

    // Settings are decoded as read (0..255), without the clamps of Normalize.
    static void EncodeBasicSettings(TBlock &block, const TFun &fun);
    static void DecodeBasicSettings(const TBlock &block, TFun &fun);
    static void EncodeExtendedSettings(TBlock &block, const TFun &fun);
    static void DecodeExtendedSettings(const TBlock &block, TFun &fun);

    // At most 16 characters, one byte each (Latin-1), then 0xFF.
    static void EncodeMessage(TBlock &block, const QString &text);
    // Every byte that is not 0xFF, in order.
    static QString DecodeMessage(const TBlock &block);

    // model "6842", band 247 -> 00 00 F7 32 34 38 36 50 FF FF FF FF FF FF FF FF
    static void EncodeModelBand(TBlock &block, const QString &modelCode, int bandCode);
    // Returns the band code; modelCode gets bytes 6, 5, 4, 3 trimmed.
    static int DecodeModelBand(const TBlock &block, QString &modelCode);

    // Flag k (1..128) is bit (k-1) mod 8 of byte (k-1) div 8; starts from 00s.
    static void EncodeBitmap(TBlock &block, const QString &flags);

    // "1F" -> 31.
    static int HexTextToInt(const QString &hex);
    // "8C" or "8c" -> 0x8C.
    static uint8_t HexPairToByte(const QString &pair);
    // True when any character of set occurs in text.
    static bool ContainsAnyOf(const QString &set, const QString &text);
};

#pragma once
// Hexadecimal texts as the block layouts use them: BCD fields are read and
// written as two hexadecimal digits per byte, so "400470" packs into
// 40 04 70 and a nibble A..F tells a field that holds no number.

#include <QString>
#include <cstdint>

// "1F" -> 31. A character that is not a hexadecimal digit counts as 0.
int HexTextToInt(const QString &hex);
// "8C" or "8c" -> 0x8C.
uint8_t HexPairToByte(const QString &pair);
// 0x8C -> "8C": two upper-case digits.
QString ByteToHexText(uint8_t byte);
// True when any character of set occurs in text.
bool ContainsAnyOf(const QString &set, const QString &text);

#pragma once
// The message block: sixteen characters of an embedded message.
//
//   offset  0 .. n-1           | n .. 15
//          one byte per char   | FF
//          48 45 4C 4C 4F      | FF FF FF FF FF FF FF FF FF FF FF   "HELLO"
//
// No length byte and no terminator: the erased bytes after the text end it.

#include "image/blocks/Block.h"

#include <QString>

class TMessageBlock {
public:
    static constexpr int Capacity = 16;

    // The first Capacity characters, Latin-1 (a character beyond it is
    // written as "?").
    static void Encode(TBlock &block, const QString &text);
    // Every byte that is not FF, in order: an FF inside the block is skipped,
    // it does not end the text (41 FF 42 FF .. reads "AB").
    static QString Decode(const TBlock &block);
};

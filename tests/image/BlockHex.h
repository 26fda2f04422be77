#pragma once
// Blocks written the way the radio sees them, "25 06 60 44 ...", so that a
// failing comparison prints bytes rather than an array.

#include "image/blocks/Block.h"

#include <QByteArray>
#include <QString>

// Fewer than sixteen bytes are padded with fill.
inline TBlock BlockFromHex(const QString &hex, uint8_t fill = 0xFF)
{
    TBlock block;
    block.fill(fill);
    const QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
    for (qsizetype i = 0; i < bytes.size() && i < qsizetype(block.size()); ++i)
        block[i] = static_cast<uint8_t>(bytes.at(i));
    return block;
}

inline QString HexOf(const uint8_t *bytes, int count)
{
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(bytes), count).toHex(' ').toUpper());
}

inline QString HexOf(const TBlock &block)
{
    return HexOf(block.data(), int(block.size()));
}

#include "image/blocks/BitmapBlock.h"

#include "image/ValueFormats.h"

void TBitmapBlock::Encode(TBlock &block, const QString &flags)
{
    block.fill(0x00);
    const QString text = flags.left(Capacity);
    for (qsizetype start = 0, byte = 0; start < text.size(); start += FlagsPerByte, ++byte) {
        // The first flag of a group is bit 0, so the group reads as a binary
        // number once reversed.
        const QString group = ReverseText(text.mid(start, FlagsPerByte));
        block[byte] = static_cast<uint8_t>(BitTextToNumber(group).toULongLong());
    }
}

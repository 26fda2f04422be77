#include "image/blocks/MessageBlock.h"

void TMessageBlock::Encode(TBlock &block, const QString &text)
{
    TBlankBlock::Fill(block);
    const QByteArray bytes = text.left(Capacity).toLatin1();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        block[i] = static_cast<uint8_t>(bytes.at(i));
}

QString TMessageBlock::Decode(const TBlock &block)
{
    QString text;
    for (uint8_t b : block) {
        if (b != TBlankBlock::Erased)
            text += QChar(char16_t(b));
    }
    return text;
}

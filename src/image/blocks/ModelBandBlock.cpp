#include "image/blocks/ModelBandBlock.h"

namespace {

QString TrimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace

void TModelBandBlock::Encode(TBlock &block, const QString &modelCode, int bandCode)
{
    TBlankBlock::Fill(block);
    block[0] = Zero;
    block[1] = Zero;
    block[Offset::BandCode] = static_cast<uint8_t>(bandCode);
    const QByteArray code =
        (modelCode + QString(ModelCodeSize, u' ')).left(ModelCodeSize).toLatin1();
    for (int i = 0; i < ModelCodeSize; ++i)
        block[Offset::ModelCode + i] = static_cast<uint8_t>(code.at(ModelCodeSize - 1 - i));
    block[Offset::Marker] = MarkerByte;
}

int TModelBandBlock::Decode(const TBlock &block, QString &modelCode)
{
    QString code;
    for (int i = ModelCodeSize - 1; i >= 0; --i)
        code += QChar(char16_t(block[Offset::ModelCode + i]));
    modelCode = TrimSpaces(code);
    return block[Offset::BandCode];
}

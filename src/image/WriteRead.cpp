#include "image/WriteRead.h"

#include "image/blocks/BasicSettingsBlock.h"
#include "image/blocks/BitmapBlock.h"
#include "image/blocks/ChannelBlock.h"
#include "image/blocks/ExtendedSettingsBlock.h"
#include "image/blocks/HeaderBlock.h"
#include "image/blocks/HexText.h"
#include "image/blocks/MessageBlock.h"
#include "image/blocks/ModelBandBlock.h"

void TBWriteRead::FillBlank(TBlock &block)
{
    TBlankBlock::Fill(block);
}

void TBWriteRead::EncodeHeader(TBlock &block, const QString &identity, const QString &bandDigits,
                               const QString &saveTime)
{
    THeaderBlock::Encode(block, identity, bandDigits, saveTime);
}

void TBWriteRead::DecodeHeader(const TBlock &block, QString &identity, QString &bandDigits,
                               QString &date)
{
    THeaderBlock::Decode(block, identity, bandDigits, date);
}

void TBWriteRead::EncodeChannel(TBlock &block, const TChannelValues &channel)
{
    TChannelBlock::Encode(block, channel);
}

bool TBWriteRead::DecodeChannel(const TBlock &block, TChannelValues &channel)
{
    return TChannelBlock::Decode(block, channel);
}

void TBWriteRead::EncodeBasicSettings(TBlock &block, const TFun &fun)
{
    TBasicSettingsBlock::Encode(block, fun);
}

void TBWriteRead::DecodeBasicSettings(const TBlock &block, TFun &fun)
{
    TBasicSettingsBlock::Decode(block, fun);
}

void TBWriteRead::EncodeExtendedSettings(TBlock &block, const TFun &fun)
{
    TExtendedSettingsBlock::Encode(block, fun);
}

void TBWriteRead::DecodeExtendedSettings(const TBlock &block, TFun &fun)
{
    TExtendedSettingsBlock::Decode(block, fun);
}

void TBWriteRead::EncodeMessage(TBlock &block, const QString &text)
{
    TMessageBlock::Encode(block, text);
}

QString TBWriteRead::DecodeMessage(const TBlock &block)
{
    return TMessageBlock::Decode(block);
}

void TBWriteRead::EncodeModelBand(TBlock &block, const QString &modelCode, int bandCode)
{
    TModelBandBlock::Encode(block, modelCode, bandCode);
}

int TBWriteRead::DecodeModelBand(const TBlock &block, QString &modelCode)
{
    return TModelBandBlock::Decode(block, modelCode);
}

void TBWriteRead::EncodeBitmap(TBlock &block, const QString &flags)
{
    TBitmapBlock::Encode(block, flags);
}

int TBWriteRead::HexTextToInt(const QString &hex)
{
    return ::HexTextToInt(hex);
}

uint8_t TBWriteRead::HexPairToByte(const QString &pair)
{
    return ::HexPairToByte(pair);
}

bool TBWriteRead::ContainsAnyOf(const QString &set, const QString &text)
{
    return ::ContainsAnyOf(set, text);
}

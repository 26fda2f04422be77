#include "image/blocks/BasicSettingsBlock.h"

#include "image/AllClass.h"

void TBasicSettingsBlock::Encode(TBlock &block, const TFun &fun)
{
    TBlankBlock::Fill(block);
    // Bit 0 of each on/off setting only: an unclamped value from a data file
    // must not set the other flag.
    block[Offset::Flags] = static_cast<uint8_t>((fun.BatterySave & 1) << FlagBit::BatterySave
                                                | (fun.ClewVoice & 1) << FlagBit::ClewVoice);
    block[Offset::SquelchLevel] = static_cast<uint8_t>(fun.SquelchLevel);
    block[Offset::SideKey] = static_cast<uint8_t>(fun.SideKey);
    block[Offset::TxTimeOut] = static_cast<uint8_t>(fun.TxTimeOut);
}

void TBasicSettingsBlock::Decode(const TBlock &block, TFun &fun)
{
    fun.BatterySave = (block[Offset::Flags] >> FlagBit::BatterySave) & 1;
    fun.ClewVoice = (block[Offset::Flags] >> FlagBit::ClewVoice) & 1;
    fun.SquelchLevel = block[Offset::SquelchLevel];
    fun.SideKey = block[Offset::SideKey];
    fun.TxTimeOut = block[Offset::TxTimeOut];
}

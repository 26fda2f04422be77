#include "image/blocks/ExtendedSettingsBlock.h"

#include "image/AllClass.h"

namespace {

// Byte k of the block holds Layout[k].
constexpr int TFun::*Layout[] = {
    &TFun::VoicePrompt,      &TFun::VoiceLanguage,       &TFun::ScanMode,
    &TFun::VoxFunction,      &TFun::VoxGainLevel,        &TFun::VoxInhibitOnReceive,
    &TFun::LowVolInhibitTx,  &TFun::HighVolInhibitTx,    &TFun::InceptAlarm,
    &TFun::FmRadio,
};

} // namespace

void TExtendedSettingsBlock::Encode(TBlock &block, const TFun &fun)
{
    TBlankBlock::Fill(block);
    for (size_t i = 0; i < std::size(Layout); ++i)
        block[i] = static_cast<uint8_t>(fun.*Layout[i]);
}

void TExtendedSettingsBlock::Decode(const TBlock &block, TFun &fun)
{
    for (size_t i = 0; i < std::size(Layout); ++i)
        fun.*Layout[i] = block[i];
}

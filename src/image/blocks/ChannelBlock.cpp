#include "image/blocks/ChannelBlock.h"

#include "image/ValueFormats.h"
#include "image/WriteRead.h"

namespace {

// Only bit 0 of an index is stored, so a stray value can never spill into
// the neighbouring option's bit.
uint8_t OptionFlag(int index, int bit)
{
    return static_cast<uint8_t>((index & 1) << bit);
}

int OptionIndex(uint8_t options, int bit)
{
    return (options >> bit) & 1;
}

} // namespace

void TChannelBlock::Encode(TBlock &block, const TChannelValues &channel)
{
    TBlankBlock::Fill(block);
    EncodeFrequencyField(channel.Rx, block.data() + Offset::Rx);
    if (channel.Tx > -1.0)
        EncodeFrequencyField(channel.Tx, block.data() + Offset::Tx);
    EncodeToneCode(channel.DecTone, block.data() + Offset::DecTone);
    EncodeToneCode(channel.EncTone, block.data() + Offset::EncTone);
    block[Offset::Options] = OptionFlag(channel.ScanAdd, OptionBit::ScanAdd)
        | OptionFlag(channel.TxPower, OptionBit::TxPower)
        | OptionFlag(channel.WideNarrow, OptionBit::WideNarrow)
        | OptionFlag(channel.BeatShift, OptionBit::BeatShift)
        | OptionFlag(channel.BusyLockout, OptionBit::BusyLockout);
}

bool TChannelBlock::Decode(const TBlock &block, TChannelValues &channel)
{
    const std::optional<double> rx = DecodeFrequencyField(block.data() + Offset::Rx);
    if (!rx)
        return false;
    channel.Rx = *rx;
    channel.Tx = DecodeFrequencyField(block.data() + Offset::Tx).value_or(-1.0);
    DecodeToneCode(block.data() + Offset::DecTone, channel.DecTone);
    DecodeToneCode(block.data() + Offset::EncTone, channel.EncTone);
    const uint8_t options = block[Offset::Options];
    channel.BusyLockout = OptionIndex(options, OptionBit::BusyLockout);
    channel.BeatShift = OptionIndex(options, OptionBit::BeatShift);
    channel.WideNarrow = OptionIndex(options, OptionBit::WideNarrow);
    channel.TxPower = OptionIndex(options, OptionBit::TxPower);
    channel.ScanAdd = OptionIndex(options, OptionBit::ScanAdd);
    return true;
}

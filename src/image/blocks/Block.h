#pragma once
// The unit of the radio's memory: every block of a memory image, in a data
// file or on the wire, is sixteen bytes.

#include <array>
#include <cstdint>

using TBlock = std::array<uint8_t, 16>;

// Erased memory reads 0xFF: every layout starts from it, so a byte no field
// covers reads back as erased.
struct TBlankBlock {
    static constexpr uint8_t Erased = 0xFF;
    static void Fill(TBlock &block) { block.fill(Erased); }
};

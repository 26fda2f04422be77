#pragma once
// The bytes of the radio link, as the radio sees them (address high byte
// first, length always 8):
//   wake-up      02 | 200 ms | 50 52 4F 47 52 41 4E  ("PROGRAN", 2 ms apart)
//   ident req    02                  -> 8 bytes, model code in bytes 1..4
//   acknowledge  06                  -> 06
//   read         52 hi lo 08         -> 4 leading bytes, then 8 memory bytes
//   write        57 hi lo 08 d0..d7  -> 1 byte, not examined
//   write Y      59 hi lo 08 d0..d7  -> 1 byte (extended settings block)
//   end          45                  -> nothing

#include "image/blocks/Block.h"

#include <QByteArray>
#include <QString>

namespace LinkFrames {

inline constexpr char Stx = 0x02;
inline constexpr char Ack = 0x06;
inline constexpr char ReadCommand = 0x52;
inline constexpr char WriteCommand = 0x57;
inline constexpr char WriteYCommand = 0x59;
inline constexpr char EndCommand = 0x45;
inline constexpr char Length = 0x08;

// The letters after the wake-up's 0x02, each sent on its own.
inline constexpr char WakeLetters[] = {0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4E};
inline constexpr int WakeLetterCount = int(sizeof WakeLetters);

inline constexpr int DataBytes = 8;       // memory bytes per frame
inline constexpr int IdentReplyBytes = 8;
inline constexpr int ReadReplyBytes = 12; // 4 not examined, then the data
inline constexpr int ReadReplyDataAt = 4;
inline constexpr int WriteReplyBytes = 1;
inline constexpr int AckReplyBytes = 1;
inline constexpr int ModelCodeAt = 1;     // identification bytes 1..4
inline constexpr int ModelCodeLength = 4;

QByteArray ReadRequest(int address);
// half 0: block bytes 0..7 to address; half 1: bytes 8..15 to address + 8.
QByteArray WriteFrame(int blockAddress, const TBlock &block, int half, bool frameY);
// The model code of an identification reply ("6842"), one character per
// byte, zero bytes included.
QString ModelCodeOf(const QByteArray &ident);
// "0x03C0 (960)": how a block address is told to the user.
QString AddressText(int address);

} // namespace LinkFrames

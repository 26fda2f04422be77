#pragma once
// Every pause and time-out of the radio link, named once.

#include <chrono>

namespace LinkTimings {
using namespace std::chrono_literals;

// Wake-up frame: 0x02, pause, then the seven letters with a pause between
// consecutive ones.
inline constexpr auto WakePause = 200ms;
inline constexpr auto LetterPause = 2ms;
// Before the identification request, before the transfer starts, and (read
// side) before a complete reply is handed on.
inline constexpr auto StepPause = 5ms;
// After every write frame's reply.
inline constexpr auto WriteSettle = 28ms;
// HeadTime: the acknowledgement or the identification must arrive within it.
inline constexpr auto HeadTime = 500ms;
// TryTime: a frame's reply (and an acknowledgement exchange) must be complete
// within it.
inline constexpr auto TryTime = 100ms;
// After a handshake time-out, before the Retry question.
inline constexpr auto QuestionDelay = 2500ms;
// ReTime (read side): after the first line error, the handshake restarts.
inline constexpr auto ReTime = 500ms;
// CloseTime: the dialog closes this long after a failed open or a read.
inline constexpr auto CloseTime = 300ms;
// After closing the port, before opening it again.
inline constexpr auto ReopenPause = 50ms;
// Ok pressed, before the handshake: read side, write side.
inline constexpr auto ReadStartPause = 500ms;
inline constexpr auto WriteStartPause = 450ms;
// Write side: buffers discarded, before the handshake.
inline constexpr auto WriteDiscardPause = 50ms;
// After a frame time-out answered Retry.
inline constexpr auto RetryPause = 1000ms;
// The end command's drain wait: look every DrainLook, give up after DrainLooks.
inline constexpr auto DrainLook = 50ms;
inline constexpr int DrainLooks = 100;

// The line time of one byte at 9600 baud, 8 data bits, 2 stop bits:
// 11 bits / 9600 = 1.1458 ms.
inline constexpr auto ByteTime = std::chrono::nanoseconds(1'145'833);
} // namespace LinkTimings

#pragma once
// The characters the channel table lets through. Keys that type no
// character (arrows, Tab, Delete, shortcuts) are not filtered, so navigation
// and clipboard keys keep working; a pasted text is normalised by the commit
// instead.

class QChar;
class QKeyEvent;

// Frequency cells and the grid: "0".."9", ".", Backspace, Enter.
bool IsFrequencyKey(QChar c);
// Tone selectors: the frequency keys and "D", "I", "N" in either case.
bool IsToneKey(QChar c);

// True when event types a printable character that accept refuses; the
// caller drops such an event.
bool RefusesKey(const QKeyEvent &event, bool (*accept)(QChar));

#pragma once
// The tone picker's own tables, which differ from the tone selectors' list:
// they add the CTCSS tones 206.5, 229.1 and 254.1 and the DCS codes 525 and
// 645, and show each CTCSS tone with its two-character tone code.

#include <QString>
#include <QStringList>

namespace ToneTable {
inline constexpr int CtcssEntries = 45; // 42 tones, then 3 empty entries
inline constexpr int DcsEntries = 88;   // 85 codes, then 3 empty entries
} // namespace ToneTable

// The 133 entries of lbValue: 45 CTCSS entries "01-67.0-XZ" .. "2A-254.1-0Z"
// (number in two upper-case hex digits, tone, tone code), then 88 DCS entries
// "1-D023" .. "85-D754" (number in decimal, code without polarity). The last
// three entries of each run are empty.
QStringList ToneOptionEntries();

// An entry cut at its first "-" into the number and the rest, the rest at its
// next "-" into the tone and the code. Without a second "-" the whole rest is
// the tone (DCS entries); an empty entry gives three empty parts.
struct TToneEntryParts {
    QString number;
    QString tone;
    QString code;
};
TToneEntryParts SplitEntry(const QString &entry);

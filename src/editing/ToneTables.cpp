#include "editing/ToneTables.h"

#include <iterator>

namespace {

// tone=code pairs of the CTCSS table, in table order.
constexpr const char *kCtcss[][2] = {
    {"67.0", "XZ"},  {"69.3", "WZ"},  {"71.9", "XA"},  {"74.4", "WA"},  {"77.0", "XB"},
    {"79.7", "WB"},  {"82.5", "YZ"},  {"85.4", "YA"},  {"88.5", "YB"},  {"91.5", "ZZ"},
    {"94.8", "ZA"},  {"97.4", "ZB"},  {"100.0", "1Z"}, {"103.5", "1A"}, {"107.2", "1B"},
    {"110.9", "2Z"}, {"114.8", "2A"}, {"118.8", "2B"}, {"123.0", "3Z"}, {"127.3", "3A"},
    {"131.8", "3B"}, {"136.5", "4Z"}, {"141.3", "4A"}, {"146.2", "4B"}, {"151.4", "5Z"},
    {"156.7", "5A"}, {"162.2", "5B"}, {"167.9", "6Z"}, {"173.8", "6A"}, {"179.9", "6B"},
    {"186.2", "7Z"}, {"192.8", "7A"}, {"203.5", "M1"}, {"206.5", "8Z"}, {"210.7", "M2"},
    {"218.1", "M3"}, {"225.7", "M4"}, {"229.1", "9Z"}, {"233.6", "M5"}, {"241.8", "M6"},
    {"250.3", "M7"}, {"254.1", "0Z"},
};

// Octal digits of the DCS table, in table order.
constexpr const char *kDcs[] = {
    "023", "025", "026", "031", "032", "043", "047", "051", "054", "065", "071", "072",
    "073", "074", "114", "115", "116", "125", "131", "132", "134", "143", "152", "155",
    "156", "162", "165", "172", "174", "205", "223", "226", "243", "244", "245", "251",
    "261", "263", "265", "271", "306", "311", "315", "331", "343", "346", "351", "364",
    "365", "371", "411", "412", "413", "423", "431", "432", "445", "464", "465", "466",
    "503", "506", "516", "525", "532", "546", "565", "606", "612", "624", "627", "631",
    "632", "645", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743",
    "754",
};

static_assert(std::size(kCtcss) == 42 && std::size(kCtcss) < ToneTable::CtcssEntries);
static_assert(std::size(kDcs) == 85 && std::size(kDcs) < ToneTable::DcsEntries);

} // namespace

QStringList ToneOptionEntries()
{
    QStringList entries;
    entries.reserve(ToneTable::CtcssEntries + ToneTable::DcsEntries);
    int number = 0;
    for (const auto &[tone, code] : kCtcss)
        entries.append(QStringLiteral("%1-%2-%3")
                           .arg(QString::number(++number, 16).toUpper(), 2, u'0')
                           .arg(QLatin1String(tone), QLatin1String(code)));
    while (entries.size() < ToneTable::CtcssEntries)
        entries.append(QString());
    number = 0;
    for (const char *code : kDcs)
        entries.append(QStringLiteral("%1-D%2").arg(++number).arg(QLatin1String(code)));
    while (entries.size() < ToneTable::CtcssEntries + ToneTable::DcsEntries)
        entries.append(QString());
    return entries;
}

TToneEntryParts SplitEntry(const QString &entry)
{
    TToneEntryParts parts;
    const qsizetype first = entry.indexOf(u'-');
    if (first < 0) {
        parts.number = entry;
        return parts;
    }
    parts.number = entry.left(first);
    const QString rest = entry.mid(first + 1);
    const qsizetype second = rest.indexOf(u'-');
    if (second < 0) {
        parts.tone = rest;
        return parts;
    }
    parts.tone = rest.left(second);
    parts.code = rest.mid(second + 1);
    return parts;
}

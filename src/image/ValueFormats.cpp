#include "image/ValueFormats.h"

#include "image/blocks/HexText.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Frequencies are carried in whole 10 Hz units wherever they are compared,
// rounded or formatted: the double never reaches a text directly, so
// 446.00625 (stored as 446.0062499999...) still gives 44600625.
constexpr double kTenHzPerMHz = 100000.0;
constexpr int kTenHzDigits = 8;
constexpr qint64 kTenHzModulus = 100000000; // 10^8: the field has eight digits

constexpr double kToneMin = 30.0;
constexpr double kToneMax = 290.0;
constexpr int kToneTenthsModulus = 10000; // four digits of tenths
const QString kBadDcs = QStringLiteral("D777N");

constexpr uint8_t kNoTone = 0xFF;
constexpr uint8_t kDcsNormal = 0x80;
constexpr uint8_t kDcsInverted = 0xC0;

qint64 TenHz(double mhz)
{
    return std::llround(mhz * kTenHzPerMHz);
}

// A plain decimal number as people type it: optional sign, digits with at
// most one ".", nothing else. QString::toDouble alone would also take
// exponents, "inf" and "nan".
std::optional<double> ParseDecimal(const QString &text)
{
    static const QRegularExpression plain(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    const QString t = text.trimmed();
    if (!plain.match(t).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok); // C locale: "." whatever the user's settings
    if (!ok)
        return std::nullopt;
    return v;
}

uint8_t Bcd(int twoDigits)
{
    return static_cast<uint8_t>(((twoDigits / 10) % 10) << 4 | (twoDigits % 10));
}

// A count of tenths as "67.0"; formatting the integer keeps float noise out.
QString TenthsText(qint64 tenths)
{
    const QString sign = tenths < 0 ? QStringLiteral("-") : QString();
    const qint64 a = std::llabs(tenths);
    return sign + QString::number(a / 10) + u'.' + QString::number(a % 10);
}

int OctalOrZero(QChar c)
{
    const int v = c.digitValue();
    return v < 0 ? 0 : (v & 0x0F);
}

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

QString FrequencyText(double mhz)
{
    const qint64 count = TenHz(mhz);
    const qint64 a = std::llabs(count);
    const QString sign = count < 0 ? QStringLiteral("-") : QString();
    return sign + QString::number(a / 100000) + u'.'
        + QStringLiteral("%1").arg(a % 100000, 5, 10, QChar(u'0'));
}

QString TenHzCount(double mhz)
{
    return QStringLiteral("%1").arg(TenHz(mhz), kTenHzDigits, 10, QChar(u'0'));
}

std::optional<double> ParseFrequency(const QString &text)
{
    return ParseDecimal(text);
}

void EncodeFrequencyField(double mhz, uint8_t *field4)
{
    // Only eight digits fit; a count outside them keeps its last eight.
    qint64 count = std::llabs(TenHz(mhz)) % kTenHzModulus;
    for (int i = 0; i < 4; ++i) {
        field4[i] = Bcd(static_cast<int>(count % 100));
        count /= 100;
    }
}

std::optional<double> DecodeFrequencyField(const uint8_t *field4)
{
    qint64 count = 0;
    for (int i = 3; i >= 0; --i) {
        const int hi = field4[i] >> 4;
        const int lo = field4[i] & 0x0F;
        if (hi > 9 || lo > 9)
            return std::nullopt;
        count = count * 100 + hi * 10 + lo;
    }
    return static_cast<double>(count) / kTenHzPerMHz;
}

void EncodeToneCode(const QString &tone, uint8_t *code2)
{
    code2[0] = code2[1] = kNoTone;
    if (tone.isEmpty())
        return;
    if (tone.at(0) == u'D') {
        // "D" o1 o2 o3 polarity; a short text reads its missing digits as 0.
        const auto at = [&](int i) { return i < tone.size() ? tone.at(i) : QChar(u'0'); };
        const QChar polarity = at(4).toUpper();
        code2[0] = static_cast<uint8_t>(OctalOrZero(at(2)) << 4 | OctalOrZero(at(3)));
        code2[1] = static_cast<uint8_t>((polarity == u'I' ? kDcsInverted : kDcsNormal)
                                        | OctalOrZero(at(1)));
        return;
    }
    const std::optional<double> hz = ParseDecimal(tone);
    if (!hz)
        return; // not a tone at all: stored as no tone rather than as noise
    const int tenths = static_cast<int>(std::llabs(std::llround(*hz * 10)) % kToneTenthsModulus);
    code2[0] = Bcd(tenths % 100);
    code2[1] = Bcd(tenths / 100);
}

bool DecodeToneCode(const uint8_t *code2, QString &tone)
{
    if (code2[0] == kNoTone && code2[1] == kNoTone) {
        tone.clear();
        return true;
    }
    const QString s = ByteToHexText(code2[1]) + ByteToHexText(code2[0]);
    if (s.startsWith(u'8')) {
        tone = u'D' + s.mid(1, 3) + u'N';
        return true;
    }
    if (s.startsWith(u'C')) {
        tone = u'D' + s.mid(1, 3) + u'I';
        return true;
    }
    for (QChar c : s) {
        if (!IsAsciiDigit(c))
            return false;
    }
    tone = TenthsText(s.toInt());
    return true;
}

double RoundToStep(double mhz)
{
    const QString s = TenHzCount(mhz);
    const qint64 a = s.toLongLong();
    const qint64 step = s.endsWith(QStringLiteral("00")) ? 500 : 625;
    const qint64 r = a % step;
    if (r == 0)
        return mhz; // already on the grid: keep the caller's value as it is
    return static_cast<double>(a - r) / kTenHzPerMHz;
}

QString CheckToneText(const QString &typed)
{
    if (typed.isEmpty())
        return {};
    if (IsAsciiDigit(typed.at(0))) {
        const std::optional<double> v = ParseDecimal(typed);
        if (!v)
            return TenthsText(std::llround(kToneMax * 10));
        const double hz = std::clamp(*v, kToneMin, kToneMax);
        return TenthsText(std::llround(hz * 10));
    }
    const auto octal = [](QChar c) { return c >= u'0' && c <= u'7'; };
    if (typed.size() == 5 && typed.at(0) == u'D' && octal(typed.at(1)) && octal(typed.at(2))
        && octal(typed.at(3)) && QStringLiteral("NI").contains(typed.at(4).toUpper()))
        return typed;
    return kBadDcs;
}

const QStringList &CtcssTones()
{
    static const QStringList tones = {
        "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",
        "88.5",  "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9",
        "114.8", "118.8", "123.0", "127.3", "131.8", "136.5", "141.3", "146.2",
        "151.4", "156.7", "162.2", "167.9", "173.8", "179.9", "186.2", "192.8",
        "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3",
    };
    return tones;
}

const QStringList &DcsCodes()
{
    static const QStringList codes = {
        "023", "025", "026", "031", "032", "043", "047", "051", "054", "065", "071", "072",
        "073", "074", "114", "115", "116", "125", "131", "132", "134", "143", "152", "155",
        "156", "162", "165", "172", "174", "205", "223", "226", "243", "244", "245", "251",
        "261", "263", "265", "271", "306", "311", "315", "331", "343", "346", "351", "364",
        "365", "371", "411", "412", "413", "423", "431", "432", "445", "464", "465", "466",
        "503", "506", "516", "532", "546", "565", "606", "612", "624", "627", "631", "632",
        "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754",
    };
    return codes;
}

QStringList ToneList(const QString &noneText)
{
    QStringList list;
    list.reserve(1 + CtcssTones().size() + 2 * DcsCodes().size());
    list.append(noneText);
    list.append(CtcssTones());
    for (const QString &code : DcsCodes())
        list.append(u'D' + code + u'N');
    for (const QString &code : DcsCodes())
        list.append(u'D' + code + u'I');
    return list;
}

QString BytesToText(const uint8_t *bytes, int count)
{
    if (count <= 0)
        return {};
    return QString::fromLatin1(reinterpret_cast<const char *>(bytes), count);
}

QString BitTextToNumber(const QString &bits)
{
    quint64 n = 0;
    for (QChar c : bits.toUpper())
        n = 2 * n + static_cast<quint64>(static_cast<qint64>(c.unicode()) - u'0');
    return QString::number(n);
}

QString ReverseText(const QString &text)
{
    QString reversed = text;
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

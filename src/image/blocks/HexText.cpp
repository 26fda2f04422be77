#include "image/blocks/HexText.h"

namespace {

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return 0;
}

} // namespace

int HexTextToInt(const QString &hex)
{
    unsigned value = 0; // unsigned: an over-long text wraps instead of overflowing
    for (QChar c : hex)
        value = value * 16 + static_cast<unsigned>(HexDigit(c));
    return static_cast<int>(value);
}

uint8_t HexPairToByte(const QString &pair)
{
    return static_cast<uint8_t>(HexTextToInt(pair.left(2)));
}

QString ByteToHexText(uint8_t byte)
{
    return QStringLiteral("%1").arg(byte, 2, 16, QChar(u'0')).toUpper();
}

bool ContainsAnyOf(const QString &set, const QString &text)
{
    for (QChar c : set) {
        if (text.contains(c))
            return true;
    }
    return false;
}

#include "image/blocks/HeaderBlock.h"

#include "image/blocks/HexText.h"

namespace {

// Positions of the fields in the save time text "yyyy-MM-dd HH:mm".
struct SaveTimeField {
    int position;
    int length;
};
constexpr SaveTimeField kYear{0, 4};
constexpr SaveTimeField kMonth{5, 2};
constexpr SaveTimeField kDay{8, 2};
constexpr SaveTimeField kHour{11, 2};
constexpr SaveTimeField kMinute{14, 2};

int FieldOf(const QString &saveTime, SaveTimeField field)
{
    return saveTime.mid(field.position, field.length).toInt(); // 0 when not a number
}

QString TwoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0'));
}

} // namespace

void THeaderBlock::Encode(TBlock &block, const QString &identity, const QString &bandDigits,
                          const QString &saveTime)
{
    TBlankBlock::Fill(block);

    const QByteArray id = (identity + QString(IdentitySize, u' ')).left(IdentitySize).toLatin1();
    for (int i = 0; i < IdentitySize; ++i)
        block[Offset::Identity + i] = static_cast<uint8_t>(id.at(i));

    for (int i = 0; i < BandSize; ++i)
        block[Offset::Band + i] = static_cast<uint8_t>(HexTextToInt(bandDigits.mid(2 * i, 2)));

    const int year = FieldOf(saveTime, kYear);
    block[Offset::Year] = static_cast<uint8_t>(year & 0xFF);
    block[Offset::Year + 1] = static_cast<uint8_t>((year >> 8) & 0xFF);
    block[Offset::Month] = static_cast<uint8_t>(FieldOf(saveTime, kMonth));
    block[Offset::Day] = static_cast<uint8_t>(FieldOf(saveTime, kDay));
    block[Offset::Hour] = static_cast<uint8_t>(FieldOf(saveTime, kHour));
    block[Offset::Minute] = static_cast<uint8_t>(FieldOf(saveTime, kMinute));
}

void THeaderBlock::Decode(const TBlock &block, QString &identity, QString &bandDigits,
                          QString &date)
{
    identity = QString::fromLatin1(reinterpret_cast<const char *>(block.data()) + Offset::Identity,
                                   IdentitySize);

    bandDigits.clear();
    for (int i = 0; i < BandSize; ++i)
        bandDigits += ByteToHexText(block[Offset::Band + i]);

    const int year = block[Offset::Year] | block[Offset::Year + 1] << 8;
    date = QString::number(year) + u'-' + TwoDigits(block[Offset::Month]) + u'-'
        + TwoDigits(block[Offset::Day]) + u' ' + TwoDigits(block[Offset::Hour]) + u':'
        + TwoDigits(block[Offset::Minute]);
}

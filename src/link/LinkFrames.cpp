#include "link/LinkFrames.h"

namespace LinkFrames {

namespace {

QByteArray head(char command, int address)
{
    QByteArray frame;
    frame.append(command);
    frame.append(char((address >> 8) & 0xFF));
    frame.append(char(address & 0xFF));
    frame.append(Length);
    return frame;
}

} // namespace

QByteArray ReadRequest(int address)
{
    return head(ReadCommand, address);
}

QByteArray WriteFrame(int blockAddress, const TBlock &block, int half, bool frameY)
{
    QByteArray frame = head(frameY ? WriteYCommand : WriteCommand, blockAddress + half * DataBytes);
    frame.append(reinterpret_cast<const char *>(block.data()) + half * DataBytes, DataBytes);
    return frame;
}

QString ModelCodeOf(const QByteArray &ident)
{
    return QString::fromLatin1(ident.mid(ModelCodeAt, ModelCodeLength));
}

QString AddressText(int address)
{
    return QStringLiteral("0x%1 (%2)")
        .arg(QString::number(address, 16).rightJustified(4, QLatin1Char('0')).toUpper())
        .arg(address);
}

} // namespace LinkFrames

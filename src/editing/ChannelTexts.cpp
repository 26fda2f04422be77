#include "editing/ChannelTexts.h"

const QStringList &TChannelTexts::OptionList(int column) const
{
    static const QStringList none;
    switch (column) {
    case 6:
        return Power;
    case 7:
        return WideNarrow;
    case 8:
    case 9:
    case 10:
        return YesNo;
    default:
        return none;
    }
}

QString TChannelTexts::OptionText(int column, int index) const
{
    return OptionList(column).value(index);
}

QStringList BuiltInColumnDefinitions()
{
    return {
        // titles
        QStringLiteral("Channel No."), QStringLiteral("RX Frequency"),
        QStringLiteral("TX Frequency"), QStringLiteral("QT/DQT Dec"),
        QStringLiteral("QT/DQT Enc"), QStringLiteral("TX Power"), QStringLiteral("W/N"),
        QStringLiteral("Scan Add"), QStringLiteral("Beat Shift"), QStringLiteral("Busy Lockout"),
        // widths in pixels
        QStringLiteral("80"), QStringLiteral("90"), QStringLiteral("90"), QStringLiteral("80"),
        QStringLiteral("80"), QStringLiteral("70"), QStringLiteral("70"), QStringLiteral("70"),
        QStringLiteral("70"), QStringLiteral("80"),
        // alignment codes
        QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("3"),
        QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("2"),
        QStringLiteral("2"), QStringLiteral("2"),
    };
}

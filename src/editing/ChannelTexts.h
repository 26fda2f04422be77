#pragma once
// The item lists behind the channel table's cells in the current language:
// the none text of the tone cells and the option lists of columns 6 to 10.
// One place, so that a language change can replace them all at once.

#include <QString>
#include <QStringList>

struct TChannelTexts {
    QString None = QStringLiteral("None");                                   // lNone, item 0 of cbQT
    QStringList Power = {QStringLiteral("Low"), QStringLiteral("High")};     // cbfsgl
    QStringList WideNarrow = {QStringLiteral("Wide"), QStringLiteral("Narrow")}; // cbkz
    QStringList YesNo = {QStringLiteral("Yes"), QStringLiteral("No")};       // cbHave

    // The built-in (English) texts.
    static TChannelTexts BuiltIn() { return {}; }
    // Item index of an option column (6..10), or an empty text for an index
    // outside the list.
    QString OptionText(int column, int index) const;
    // The list of an option column (6..10); empty for other columns.
    const QStringList &OptionList(int column) const;
};

// The column definition list BColText: ten titles, ten widths, ten
// alignment codes (1 left, 2 centred, 3 right).
QStringList BuiltInColumnDefinitions();

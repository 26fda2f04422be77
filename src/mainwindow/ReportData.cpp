#include "mainwindow/ReportData.h"

#include "core/MessageTable.h"
#include "editing/ChannelStore.h"

namespace {

using Field = TMemTable::Field;
using FieldType = TMemTable::FieldType;

constexpr int TitleSize = 20;
constexpr int TypeNameSize = 20;
constexpr int LabelSize = 100; // AField .. BValue
constexpr int BandSize = 30;   // CField .. DValue

constexpr int TitleRow = 1; // of the channel table's grid
constexpr int FirstChannelRow = 2;

Field Text(QLatin1String name, int size)
{
    return {name, FieldType::Text, size};
}

std::vector<Field> MainFields()
{
    using namespace ReportField;
    return {Text(Title, TitleSize),  Text(AField, LabelSize), Text(AValue, LabelSize),
            Text(BField, LabelSize), Text(BValue, LabelSize), Text(CField, BandSize),
            Text(CValue, BandSize),  Text(DField, BandSize),  Text(DValue, BandSize)};
}

std::vector<Field> RowFields()
{
    using namespace ReportField;
    return {{TypeId, FieldType::Integer, 0},
            Text(TypeName, TypeNameSize),
            Text(AField, LabelSize),
            Text(AValue, LabelSize),
            Text(BField, LabelSize),
            Text(BValue, LabelSize)};
}

// One body row, every field set (an empty text is a value, unlike a field
// left out).
void AppendRow(TMemTable &myAdo, int typeId, const QString &typeName, const QString &aField,
               const QString &aValue, const QString &bField, const QString &bValue)
{
    using namespace ReportField;
    myAdo.Append({{TypeId, typeId},
                  {TypeName, typeName},
                  {AField, aField},
                  {AValue, aValue},
                  {BField, bField},
                  {BValue, bValue}});
}

} // namespace

TReportData::TReportData() : myMain(MainFields()), myAdo(RowFields()) {}

void FillMainRow(TMemTable &myMain, const TReportHeader &header)
{
    using namespace ReportField;
    myMain.Append({{Title, header.title},
                   {AField, header.modelCaption},
                   {AValue, header.modelName},
                   {BField, QString()},
                   {BValue, QString()},
                   {CField, header.bandCaption},
                   {CValue, header.bandText}});
}

void AppendSettingsRows(TMemTable &myAdo, const QString &typeName, const std::vector<TSettingRow> &rows)
{
    for (const TSettingRow &row : rows)
        AppendRow(myAdo, SettingsTypeId, typeName, row.caption, row.value, {}, {});
}

void AppendChannelRows(TMemTable &myAdo, const TLanguage &messages, const TChannelStore &grid)
{
    const QString typeName = messages.Channel + messages.Info;
    const auto title = [&grid](int col) { return grid.Text(col, TitleRow); };
    const auto add = [&](const QString &aField, const QString &aValue, const QString &bField,
                         const QString &bValue) {
        AppendRow(myAdo, ChannelsTypeId, typeName, aField, aValue, bField, bValue);
    };

    add({}, {}, {}, {});
    for (int r = FirstChannelRow; r < grid.RowCount(); ++r) {
        const auto value = [&grid, r](int col) { return grid.Text(col, r); };
        if (value(TChannelStore::ColRx).isEmpty())
            continue;
        add(title(TChannelStore::ColNumber) + value(TChannelStore::ColNumber), {}, {}, {});
        // Columns 2..9 in pairs, then column 10 alone.
        for (int col = TChannelStore::ColRx; col < TChannelStore::ColBusyLockout; col += 2)
            add(title(col), value(col), title(col + 1), value(col + 1));
        add(title(TChannelStore::ColBusyLockout), value(TChannelStore::ColBusyLockout), {}, {});
    }
}

#pragma once
// The report's two datasets and how they are filled. myMain holds the one
// row of the page header (the product title, the model and the band),
// myAdo the rows of the report body: the function settings group, then the
// channel group, told apart by TypeID. Every text is handed in as the
// windows show it, so the report follows the current language.
//
// The datasets are rebuilt at every print or preview and stay until the
// next one; nothing else reads them.

#include "core/MemTable.h"

#include <QString>
#include <vector>

class TChannelStore;
struct TLanguage;

// Field names, as the report template knows them.
namespace ReportField {
inline constexpr QLatin1String Title{"Title"};
inline constexpr QLatin1String TypeId{"TypeID"};
inline constexpr QLatin1String TypeName{"TypeName"};
inline constexpr QLatin1String AField{"AField"};
inline constexpr QLatin1String AValue{"AValue"};
inline constexpr QLatin1String BField{"BField"};
inline constexpr QLatin1String BValue{"BValue"};
inline constexpr QLatin1String CField{"CField"};
inline constexpr QLatin1String CValue{"CValue"};
// Spelled so in the header dataset; never filled.
inline constexpr QLatin1String DField{"DFiled"};
inline constexpr QLatin1String DValue{"DValue"};
} // namespace ReportField

// TypeID of the two groups of myAdo.
inline constexpr int SettingsTypeId = 9;
inline constexpr int ChannelsTypeId = 8;

struct TReportData {
    TReportData();
    // Title 20, AField/AValue/BField/BValue 100, CField/CValue/DFiled/DValue
    // 30 characters.
    TMemTable myMain;
    // TypeID integer; TypeName 20, AField/AValue/BField/BValue 100.
    TMemTable myAdo;
};

// The texts of the page header, as the main window shows them.
struct TReportHeader {
    QString title;        // ProductTitle
    QString modelCaption; // caption of lMode ("Model Type: ")
    QString modelName;    // ModelName
    QString bandCaption;  // caption of Label4 ("Frequency: ")
    QString bandText;     // caption of stFreq, the band shown
};

// One row of the settings group: a caption and its shown value.
struct TSettingRow {
    QString caption;
    QString value;
};

// Appends the header row: Title, AField/AValue (model), BField/BValue
// empty, CField/CValue (band); DFiled and DValue stay null.
void FillMainRow(TMemTable &myMain, const TReportHeader &header);

// Appends one row per entry, in order: TypeID 9, TypeName typeName (the
// function settings window's caption), AField caption, AValue value, BField
// and BValue empty.
void AppendSettingsRows(TMemTable &myAdo, const QString &typeName, const std::vector<TSettingRow> &rows);

// Appends the channel group from the channel table as its grid shows it
// (T(c) = title cell (c, 1), V(c, r) = display text of cell (c, r)), every
// row with TypeID 8 and TypeName Channel + Info of messages, joined without
// a blank: first one empty row, then for every grid row r from 2 to
// RowCount() - 1 whose RX text V(2, r) is not empty, six rows:
//   T(1)V(1,r)  ""        ""     ""
//   T(2)        V(2,r)    T(3)   V(3,r)
//   T(4)        V(4,r)    T(5)   V(5,r)
//   T(6)        V(6,r)    T(7)   V(7,r)
//   T(8)        V(8,r)    T(9)   V(9,r)
//   T(10)       V(10,r)   ""     ""
void AppendChannelRows(TMemTable &myAdo, const TLanguage &messages, const TChannelStore &grid);

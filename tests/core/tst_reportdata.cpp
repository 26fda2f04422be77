// The report's datasets: their fields, the header row, the settings rows and
// the channel group as the channel table shows it, texts cut at their
// field's size, and a refill that leaves nothing of the previous one.

#include "core/MemTable.h"
#include "core/Workspace.h"
#include "mainwindow/ReportData.h"
#include "support/Fixtures.h"

#include <QtTest>

namespace {

using Row = QStringList; // TypeID, TypeName, AField, AValue, BField, BValue

constexpr int Rx = TChannelStore::ColRx;
constexpr int Tx = TChannelStore::ColTx;
constexpr int Dec = TChannelStore::ColDec;

Row RowAt(const TMemTable &myAdo, int row)
{
    using namespace ReportField;
    Row out{QString::number(myAdo.Integer(row, TypeId))};
    for (QLatin1String field : {TypeName, AField, AValue, BField, BValue})
        out.append(myAdo.Text(row, field));
    return out;
}

QList<Row> RowsOf(const TMemTable &myAdo)
{
    QList<Row> rows;
    for (int i = 0; i < myAdo.RowCount(); ++i)
        rows.append(RowAt(myAdo, i));
    return rows;
}

// The channel-number rows of a channel group ("Channel No.k"), in order.
QStringList ChannelTitles(const TMemTable &myAdo)
{
    QStringList titles;
    for (int i = 0; i < myAdo.RowCount(); ++i) {
        const QString a = myAdo.Text(i, ReportField::AField);
        if (a.startsWith(u"Channel No."))
            titles.append(a);
    }
    return titles;
}

const QString Group = QStringLiteral("信道信息"); // the built-in Channel + Info
const Row EmptyChannelRow{"8", Group, "", "", "", ""};

QStringList FieldList(const TMemTable &table)
{
    QStringList out;
    for (const TMemTable::Field &f : table.Fields()) {
        out.append(f.name + u':'
                   + (f.type == TMemTable::FieldType::Integer ? QStringLiteral("int")
                                                              : QString::number(f.size)));
    }
    return out;
}

} // namespace

class TestReportData : public QObject {
    Q_OBJECT

private slots:
    void fields();
    void headerRow();
    void textCutAtFieldSize_data();
    void textCutAtFieldSize();
    void settingsRows();
    void channelRowsOfOneChannel();
    void channelsWithoutRxSkipped_data();
    void channelsWithoutRxSkipped();
    void refillAfterClear();
    void tableLookups();
};

// The names, order and sizes the report template reads.
void TestReportData::fields()
{
    TReportData data;
    QCOMPARE(FieldList(data.myMain),
             QStringList({"Title:20", "AField:100", "AValue:100", "BField:100", "BValue:100",
                          "CField:30", "CValue:30", "DFiled:30", "DValue:30"}));
    QCOMPARE(FieldList(data.myAdo),
             QStringList({"TypeID:int", "TypeName:20", "AField:100", "AValue:100", "BField:100",
                          "BValue:100"}));
    QCOMPARE(data.myMain.RowCount(), 0);
    QCOMPARE(data.myAdo.RowCount(), 0);
}

void TestReportData::headerRow()
{
    TReportData data;
    FillMainRow(data.myMain, {"Orvel", "Model Type: ", "Orvel(UHF)", "Frequency: ", "450 - 470MHz"});
    QCOMPARE(data.myMain.RowCount(), 1);
    const auto text = [&](const char *field) { return data.myMain.Text(0, QString::fromLatin1(field)); };
    const auto value = [&](const char *field) { return data.myMain.Value(0, QString::fromLatin1(field)); };
    QCOMPARE(text("Title"), QStringLiteral("Orvel"));
    QCOMPARE(text("AField"), QStringLiteral("Model Type: "));
    QCOMPARE(text("AValue"), QStringLiteral("Orvel(UHF)"));
    QCOMPARE(text("CField"), QStringLiteral("Frequency: "));
    QCOMPARE(text("CValue"), QStringLiteral("450 - 470MHz"));
    // B is filled with empty texts, D is never filled.
    QVERIFY(!value("BField").isNull());
    QVERIFY(!value("BValue").isNull());
    QCOMPARE(text("BField"), QString());
    QCOMPARE(text("BValue"), QString());
    QVERIFY(value("DFiled").isNull());
    QVERIFY(value("DValue").isNull());
}

// Sizes count characters, not bytes or UTF-16 units; a character outside
// the basic plane is never split.
void TestReportData::textCutAtFieldSize_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("stored");
    const QString ext = QString::fromUcs4(U"\U00020000"); // one character, two UTF-16 units
    QTest::newRow("25 Latin characters") << "ABCDEFGHIJKLMNOPQRSTUVWXY" << "ABCDEFGHIJKLMNOPQRST";
    QTest::newRow("exactly 20") << "ABCDEFGHIJKLMNOPQRST" << "ABCDEFGHIJKLMNOPQRST";
    QTest::newRow("25 Chinese characters")
        << QStringLiteral("信道信息信道信息信道信息信道信息信道信息信道信息信")
        << QStringLiteral("信道信息信道信息信道信息信道信息信道信息");
    QTest::newRow("pair as the 20th character")
        << QString(19, u'a') + ext + u'b' << QString(19, u'a') + ext;
    QTest::newRow("pairs only") << ext.repeated(21) << ext.repeated(20);
}

void TestReportData::textCutAtFieldSize()
{
    QFETCH(QString, title);
    QFETCH(QString, stored);
    TReportData data;
    FillMainRow(data.myMain, {title, {}, {}, {}, {}});
    QCOMPARE(data.myMain.Text(0, "Title"), stored);

    AppendSettingsRows(data.myAdo, title, {{title, title}});
    QCOMPARE(data.myAdo.Text(0, "TypeName"), stored);
    QCOMPARE(data.myAdo.Text(0, "AField"), title); // 100 characters
    const QString long120 = QString(120, u'x');
    FillMainRow(data.myMain, {{}, {}, {}, long120, long120});
    QCOMPARE(data.myMain.Text(1, "CField"), QString(30, u'x'));
    QCOMPARE(data.myMain.Text(1, "CValue"), QString(30, u'x'));
}

void TestReportData::settingsRows()
{
    TReportData data;
    AppendSettingsRows(data.myAdo, "Function Setting",
                       {{"Battery Save", "On"}, {"Squelch level", "3"}, {"VOX Gain Level", ""}});
    QCOMPARE(RowsOf(data.myAdo),
             QList<Row>({{"9", "Function Setting", "Battery Save", "On", "", ""},
                         {"9", "Function Setting", "Squelch level", "3", "", ""},
                         {"9", "Function Setting", "VOX Gain Level", "", "", ""}}));
}

// A channel typed with RX only (TX cleared), one decode tone: its six rows
// as the table shows it, the empty TX and the none text included.
void TestReportData::channelRowsOfOneChannel()
{
    auto ws = NewWorkspace();
    TypeChannel(*ws, 1, QStringLiteral("460"));
    ws->Channels.SetForeText(Tx, 2, QString());
    ws->Channels.SetText(Dec, 2, QStringLiteral("67.0"));
    TReportData data;
    AppendChannelRows(data.myAdo, ws->Language, ws->Channels);
    QCOMPARE(RowsOf(data.myAdo),
             QList<Row>({EmptyChannelRow,
                         {"8", Group, "Channel No.1", "", "", ""},
                         {"8", Group, "RX Frequency", "460.00000", "TX Frequency", ""},
                         {"8", Group, "QT/DQT Dec", "67.0", "QT/DQT Enc", "None"},
                         {"8", Group, "TX Power", "High", "W/N", "Wide"},
                         {"8", Group, "Scan Add", "No", "Beat Shift", "No"},
                         {"8", Group, "Busy Lockout", "No", "", ""}}));

    // The texts are the table's, whatever they are.
    ws->Channels.SetText(TChannelStore::ColNumber, 1, QStringLiteral("CH "));
    ws->Channels.SetText(TChannelStore::ColBusyLockout, 2, QStringLiteral("Yes"));
    TLanguage messages;
    messages.Channel = QStringLiteral("Channel ");
    messages.Info = QStringLiteral("Information");
    data.myAdo.Clear();
    AppendChannelRows(data.myAdo, messages, ws->Channels);
    QCOMPARE(RowAt(data.myAdo, 1), Row({"8", "Channel Information", "CH 1", "", "", ""}));
    QCOMPARE(RowAt(data.myAdo, 6), Row({"8", "Channel Information", "Busy Lockout", "Yes", "", ""}));
}

void TestReportData::channelsWithoutRxSkipped_data()
{
    QTest::addColumn<QList<int>>("typed");
    QTest::newRow("no channel") << QList<int>{};
    QTest::newRow("first empty") << QList<int>{2, 3};
    QTest::newRow("middle empty") << QList<int>{1, 3, 16};
    QTest::newRow("last empty") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    QTest::newRow("all") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
}

void TestReportData::channelsWithoutRxSkipped()
{
    QFETCH(QList<int>, typed);
    auto ws = NewWorkspace();
    QStringList expected;
    for (int channel : typed) {
        TypeChannel(*ws, channel, QString::number(450 + channel));
        expected.append(QStringLiteral("Channel No.") + QString::number(channel));
    }
    // A row without RX is skipped even when other cells still show texts.
    for (int channel = 1; channel <= 16; ++channel) {
        if (!typed.contains(channel)) {
            ws->Channels.SetText(Tx, channel + 1, QStringLiteral("455.00000"));
            ws->Channels.SetText(Dec, channel + 1, QStringLiteral("67.0"));
        }
    }
    TReportData data;
    AppendChannelRows(data.myAdo, ws->Language, ws->Channels);
    QCOMPARE(ChannelTitles(data.myAdo), expected);
    QCOMPARE(data.myAdo.RowCount(), 1 + 6 * int(typed.size()));
    QCOMPARE(RowAt(data.myAdo, 0), EmptyChannelRow);
    // Each channel's group of six carries its own RX.
    for (int i = 0; i < typed.size(); ++i) {
        QCOMPARE(data.myAdo.Text(1 + 6 * i + 1, "AValue"),
                 QString::number(450 + typed[i]) + QStringLiteral(".00000"));
    }
}

void TestReportData::refillAfterClear()
{
    auto ws = NewWorkspace();
    for (int channel : {1, 2, 3})
        TypeChannel(*ws, channel, QStringLiteral("460"));
    TReportData data;
    FillMainRow(data.myMain, {"Orvel", "Model Type: ", "Orvel(UHF)", "Frequency: ", "450 - 470MHz"});
    AppendSettingsRows(data.myAdo, "Function Setting", {{"Battery Save", "On"}});
    AppendChannelRows(data.myAdo, ws->Language, ws->Channels);

    for (int channel : {1, 2, 3})
        ws->Channels.SetForeText(Rx, channel + 1, QString());
    TypeChannel(*ws, 5, QStringLiteral("455"));
    data.myAdo.Clear();
    data.myMain.Clear();
    FillMainRow(data.myMain, {"Orvel", "Model Type: ", "Orvel(VHF)", "Frequency: ", "150 - 174MHz"});
    AppendChannelRows(data.myAdo, ws->Language, ws->Channels);

    QCOMPARE(data.myMain.RowCount(), 1);
    QCOMPARE(data.myMain.Text(0, "AValue"), QStringLiteral("Orvel(VHF)"));
    QCOMPARE(ChannelTitles(data.myAdo), QStringList{"Channel No.5"});
    QCOMPARE(RowAt(data.myAdo, 0), EmptyChannelRow);
    QCOMPARE(data.myAdo.RowCount(), 7);
}

// What a reader of the table meets outside its rows and fields, and an
// integer field fed a text.
void TestReportData::tableLookups()
{
    TMemTable table({{"Id", TMemTable::FieldType::Integer, 0}, {"Name", TMemTable::FieldType::Text, 4}});
    QCOMPARE(table.FieldIndex("Name"), 1);
    QCOMPARE(table.FieldIndex("name"), -1);
    table.Append({{"Id", QStringLiteral("9")}, {"Name", QStringLiteral("abcdef")}});
    table.Append({});
    QCOMPARE(table.Value(0, "Id"), QVariant(9));
    QCOMPARE(table.Text(0, "Name"), QStringLiteral("abcd"));
    QVERIFY(table.Value(1, "Id").isNull());
    QCOMPARE(table.Integer(1, "Id"), 0);
    QCOMPARE(table.Text(1, "Name"), QString());
    QVERIFY(table.Value(2, "Id").isNull());
    QVERIFY(table.Value(-1, "Name").isNull());
    QVERIFY(table.Value(0, "Missing").isNull());
    table.Clear();
    QCOMPARE(table.RowCount(), 0);
    QCOMPARE(table.Fields().size(), size_t(2));
}

QTEST_GUILESS_MAIN(TestReportData)
#include "tst_reportdata.moc"

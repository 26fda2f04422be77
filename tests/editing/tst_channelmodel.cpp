// The channel table as a Qt item model: shape, roles, editing through
// setData and the change notices views rely on.

#include "ChannelFixture.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

using Col = TChannelStore::Column;

namespace {

// Model index of a grid cell.
QModelIndex At(const TChannelStore &store, int col, int row)
{
    return store.index(row - 2, col - 1);
}

Qt::Alignment AlignmentOf(const TChannelStore &store, int col)
{
    return Qt::Alignment(store.data(At(store, col, 2), Qt::TextAlignmentRole).toInt());
}

} // namespace

class TestChannelModel : public QObject {
    Q_OBJECT
private slots:
    void passesModelTester();
    void showsChannelRowsAndHeader();
    void alignmentFollowsCodesWhenRowsAreRebuilt();
    void editableCells_data();
    void editableCells();
    void setDataCommitsOnlyChangedText();
    void bulkChangesAnnounceOnce();
    void rowCountChangeResetsModel();
};

void TestChannelModel::passesModelTester()
{
    ChannelFixture f;
    QAbstractItemModelTester tester(&f.store, QAbstractItemModelTester::FailureReportingMode::QtTest);

    f.store.FillChannelRow(3, SampleChannel());
    f.store.SetForeText(Col::ColRx, 2, QStringLiteral("460"));
    QVERIFY(f.store.setData(At(f.store, Col::ColTx, 2), QStringLiteral(""), Qt::EditRole));
    f.store.SetTexts(TChannelTexts::BuiltIn());
    f.store.SetColumnDefinitions(BuiltInColumnDefinitions());
    f.ws.All.ChannelCount = 3;
    f.store.ResetRows();
    f.ws.All.ChannelCount = 0;
    f.store.ResetRows();
    QCOMPARE(f.store.rowCount(), 0);
    f.ws.All.ChannelCount = 16;
    f.store.ResetRows();
    f.store.ResetRows();
}

void TestChannelModel::showsChannelRowsAndHeader()
{
    ChannelFixture f;
    f.store.FillChannelRow(17, SampleChannel());

    QCOMPARE(f.store.rowCount(), 16);
    QCOMPARE(f.store.columnCount(), 10);
    QCOMPARE(f.store.rowCount(f.store.index(0, 0)), 0);
    const QModelIndex last = f.store.index(15, Col::ColPower - 1);
    QCOMPARE(f.store.data(last, Qt::DisplayRole).toString(), QStringLiteral("Low"));
    QCOMPARE(f.store.data(last, Qt::EditRole).toString(), QStringLiteral("Low"));
    QCOMPARE(f.store.data(last, TChannelStore::HiddenRole).toString(), QStringLiteral("0"));
    QCOMPARE(f.store.data(f.store.index(15, 0), Qt::DisplayRole).toString(), QStringLiteral("16"));

    QStringList titles;
    for (int section = 0; section < 10; ++section)
        titles.append(f.store.headerData(section, Qt::Horizontal, Qt::DisplayRole).toString());
    QCOMPARE(titles, BuiltInColumnDefinitions().mid(0, 10));
    QCOMPARE(f.store.headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignCenter));

    // A language change renames the columns at once.
    QSignalSpy header(&f.store, &QAbstractItemModel::headerDataChanged);
    QStringList definitions = BuiltInColumnDefinitions();
    definitions[1] = QStringLiteral("接收频率");
    f.store.SetColumnDefinitions(definitions);
    QCOMPARE(f.store.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("接收频率"));
    QCOMPARE(f.store.Text(Col::ColRx, 1), QStringLiteral("接收频率"));
    QCOMPARE(header.count(), 1);
}

void TestChannelModel::alignmentFollowsCodesWhenRowsAreRebuilt()
{
    ChannelFixture f;
    QCOMPARE(AlignmentOf(f.store, Col::ColNumber), Qt::AlignCenter);
    QCOMPARE(AlignmentOf(f.store, Col::ColRx), Qt::AlignRight | Qt::AlignVCenter);

    QStringList definitions = BuiltInColumnDefinitions();
    definitions[20 + Col::ColRx - 1] = QStringLiteral("1");
    definitions[20 + Col::ColTx - 1] = QStringLiteral("7"); // not a code
    f.store.SetColumnDefinitions(definitions);
    QCOMPARE(AlignmentOf(f.store, Col::ColRx), Qt::AlignRight | Qt::AlignVCenter);

    f.ws.All.ChannelCount = 8;
    f.store.ResetRows();
    QCOMPARE(AlignmentOf(f.store, Col::ColRx), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(AlignmentOf(f.store, Col::ColTx), Qt::AlignRight | Qt::AlignVCenter);
}

void TestChannelModel::editableCells_data()
{
    QTest::addColumn<bool>("channel");
    QTest::addColumn<int>("col");
    QTest::addColumn<bool>("editable");

    QTest::newRow("RX of an empty row") << false << int(Col::ColRx) << true;
    QTest::newRow("TX of an empty row") << false << int(Col::ColTx) << false;
    QTest::newRow("TX of a channel") << true << int(Col::ColTx) << true;
    QTest::newRow("channel number") << true << int(Col::ColNumber) << false;
    QTest::newRow("option cell, edited by its selector") << true << int(Col::ColPower) << false;
}

void TestChannelModel::editableCells()
{
    QFETCH(bool, channel);
    QFETCH(int, col);
    QFETCH(bool, editable);
    ChannelFixture f;
    if (channel)
        f.store.FillChannelRow(2, SampleChannel());
    const QModelIndex cell = At(f.store, col, 2);
    const QString before = f.store.Text(col, 2);

    QCOMPARE(f.store.flags(cell).testFlag(Qt::ItemIsEditable), editable);
    QVERIFY(f.store.flags(cell).testFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
    QCOMPARE(f.store.setData(cell, QStringLiteral("461"), Qt::EditRole), editable);
    QCOMPARE(f.store.Text(col, 2), editable ? QStringLiteral("461.00000") : before);
    QCOMPARE(f.ws.All.Modified, editable);
}

void TestChannelModel::setDataCommitsOnlyChangedText()
{
    ChannelFixture f;
    // A text no commit would leave: out of the model and unformatted.
    f.store.SetText(Col::ColRx, 2, QStringLiteral("700"));
    const QModelIndex rx = At(f.store, Col::ColRx, 2);

    QVERIFY(f.store.setData(rx, QStringLiteral("700"), Qt::EditRole));
    QCOMPARE(f.store.Text(Col::ColRx, 2), QStringLiteral("700"));
    QVERIFY(f.box.shown.isEmpty());
    QVERIFY(f.store.Hidden(Col::ColNumber, 2).isEmpty());
    QVERIFY(!f.ws.All.Modified);

    QVERIFY(f.store.setData(rx, QStringLiteral("700 "), Qt::EditRole));
    QCOMPARE(f.store.Text(Col::ColRx, 2), QStringLiteral("470.00000"));
    QCOMPARE(f.box.texts(), QStringList{f.ws.Language.ErrRange});
    QCOMPARE(f.store.Hidden(Col::ColNumber, 2), QStringLiteral("1"));

    QVERIFY(!f.store.setData(rx, QStringLiteral("460"), TChannelStore::HiddenRole));
}

void TestChannelModel::bulkChangesAnnounceOnce()
{
    ChannelFixture f;
    QSignalSpy changed(&f.store, &QAbstractItemModel::dataChanged);

    // A direct write outside an update announces its own cell.
    f.store.SetText(Col::ColDec, 3, QStringLiteral("67.0"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), At(f.store, Col::ColDec, 3));
    QCOMPARE(changed.at(0).at(1).toModelIndex(), At(f.store, Col::ColDec, 3));
    changed.clear();

    f.store.BeginUpdate();
    f.store.BeginUpdate();
    f.store.SetText(Col::ColDec, 4, QStringLiteral("67.0"));
    f.store.EndUpdate();
    QCOMPARE(changed.count(), 0);
    f.store.SetHidden(Col::ColScanAdd, 7, QStringLiteral("1"));
    f.store.EndUpdate();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), At(f.store, Col::ColDec, 4));
    QCOMPARE(changed.at(0).at(1).toModelIndex(), At(f.store, Col::ColScanAdd, 7));
    changed.clear();

    // Every operation on a row is one notice.
    f.store.SetForeText(Col::ColRx, 2, QStringLiteral("460")); // with the defaults
    f.store.FillChannelRow(5, SampleChannel());
    f.store.ClearChannelRow(5);
    QCOMPARE(changed.count(), 3);
    changed.clear();

    // An unbalanced EndUpdate changes nothing.
    f.store.EndUpdate();
    f.store.SetText(Col::ColDec, 3, QString());
    QCOMPARE(changed.count(), 1);
}

void TestChannelModel::rowCountChangeResetsModel()
{
    ChannelFixture f;
    f.store.FillChannelRow(3, SampleChannel());
    f.store.FillChannelRow(9, SampleChannel());
    QSignalSpy reset(&f.store, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&f.store, &QAbstractItemModel::dataChanged);

    f.store.ResetRows(); // same count: the rows are emptied in place
    QCOMPARE(reset.count(), 0);
    QCOMPARE(changed.count(), 1);

    // Inside an update too, as the data file loads it.
    f.ws.All.ChannelCount = 4;
    f.store.BeginUpdate();
    f.store.FillChannelRow(17, SampleChannel());
    f.store.ResetRows();
    f.store.FillChannelRow(2, SampleChannel());
    f.store.EndUpdate();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(f.store.rowCount(), 4);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().at(1).toModelIndex(), At(f.store, Col::ColBusyLockout, 2));
}

QTEST_GUILESS_MAIN(TestChannelModel)
#include "tst_channelmodel.moc"

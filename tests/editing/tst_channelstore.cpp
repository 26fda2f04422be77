// The channel table as a store: the commit of typed frequencies, the row
// operations, the writer and reader contracts and the language re-mapping.

#include "ChannelFixture.h"

#include "core/AppState.h"
#include "image/ValueFormats.h"

#include <QtTest>

using Col = TChannelStore::Column;

Q_DECLARE_METATYPE(TChannelValues)

// Readable failures of the reader contract.
char *toString(const std::optional<TChannelValues> &c)
{
    if (!c)
        return qstrdup("no channel");
    return qstrdup(QStringLiteral("Rx %1 Tx %2 Dec '%3' Enc '%4' Power %5 W/N %6 Scan %7 Beat %8 Busy %9")
                       .arg(c->Rx, 0, 'f', 5).arg(c->Tx, 0, 'f', 5).arg(c->DecTone, c->EncTone)
                       .arg(c->TxPower).arg(c->WideNarrow).arg(c->ScanAdd).arg(c->BeatShift)
                       .arg(c->BusyLockout).toUtf8().constData());
}

namespace {

constexpr int kRow = 2; // channel 1

TChannelTexts ChineseTexts()
{
    TChannelTexts t;
    t.None = QStringLiteral("无");
    t.Power = {QStringLiteral("低"), QStringLiteral("高")};
    t.WideNarrow = {QStringLiteral("宽"), QStringLiteral("窄")};
    t.YesNo = {QStringLiteral("是"), QStringLiteral("否")};
    return t;
}

} // namespace

class TestChannelStore : public QObject {
    Q_OBJECT
private slots:
    void rxCommit_data();
    void rxCommit();
    void newChannelDefaults_data();
    void newChannelDefaults();
    void txCommitChecksRangeButBringsNoDefaults();
    void changingRxOfChannelChangesNothingElse();
    void clearingRxEmptiesRow();
    void clearingTxKeepsChannel();
    void resetRowsWithSameCountKeepsNumbers();
    void resetRowsWithOtherCountRebuilds();
    void writerThenReader_data();
    void writerThenReader();
    void readerRx_data();
    void readerRx();
    void readerNeverPassesWhatCannotBeEncoded();
    void languageChangeRemapsTexts();
    void modifiedOnlyThroughCommitPath();
};

// ---- the commit of a typed RX text ----------------------------------------

void TestChannelStore::rxCommit_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("messages"); // message table keys, in order

    const QString uhf = QStringLiteral("450 - 470MHz");
    const QString wide = QStringLiteral("440 - 480MHz");
    QTest::newRow("not a number: band upper, OutRange")
        << uhf << "1.2.3" << "470.00000" << QStringList{"OutRange"};
    QTest::newRow("above model: band upper, ErrRange only")
        << uhf << "700" << "470.00000" << QStringList{"ErrRange"};
    QTest::newRow("below model: band lower, ErrRange only")
        << uhf << "100" << "450.00000" << QStringList{"ErrRange"};
    QTest::newRow("inside model, outside band: kept, rounded, OutRange")
        << uhf << "380.007" << "380.00500" << QStringList{"OutRange"};
    QTest::newRow("model lower limit is inside the model")
        << uhf << "300" << "300.00000" << QStringList{"OutRange"};
    QTest::newRow("model and band upper limit pass silently")
        << "470 - 650MHz" << "650" << "650.00000" << QStringList{};
    QTest::newRow("band lower limit passes silently")
        << uhf << "450" << "450.00000" << QStringList{};
    QTest::newRow("446.0031 cut down to the 6.25 kHz grid")
        << wide << "446.0031" << "446.00000" << QStringList{};
    QTest::newRow("446.00625 already on the grid")
        << wide << "446.00625" << "446.00625" << QStringList{};
    QTest::newRow("blanks around the number")
        << uhf << " 460.0125 " << "460.01250" << QStringList{};
}

void TestChannelStore::rxCommit()
{
    QFETCH(QString, band);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QStringList, messages);
    ChannelFixture f;
    SelectBand(f.ws.All, band);

    f.store.SetForeText(Col::ColRx, kRow, typed);

    QCOMPARE(f.store.Text(Col::ColRx, kRow), stored);
    QStringList expected;
    for (const QString &key : messages)
        expected.append(key == "OutRange" ? f.ws.Language.OutRange : f.ws.Language.ErrRange);
    QCOMPARE(f.box.texts(), expected);
    for (const ScriptedMsgBox::Shown &s : f.box.shown) {
        QCOMPARE(s.caption, f.ws.Language.Caution);
        QCOMPARE(s.kind, int(MsgInformation));
    }
    // The row was empty: whatever was stored becomes a channel.
    QCOMPARE(f.store.Hidden(Col::ColNumber, kRow), QStringLiteral("1"));
    QCOMPARE(f.store.Text(Col::ColTx, kRow), stored);
}

// ---- new-channel defaults -------------------------------------------------

void TestChannelStore::newChannelDefaults_data()
{
    QTest::addColumn<QString>("txBefore");
    QTest::addColumn<QString>("txAfter");
    QTest::newRow("empty TX takes the RX text") << "" << "460.01250";
    QTest::newRow("TX already there is kept") << "455.00000" << "455.00000";
}

void TestChannelStore::newChannelDefaults()
{
    QFETCH(QString, txBefore);
    QFETCH(QString, txAfter);
    ChannelFixture f;
    f.store.SetText(Col::ColTx, kRow, txBefore);

    f.store.SetForeText(Col::ColRx, kRow, QStringLiteral("460.0125"));

    QCOMPARE(f.texts(kRow), (QStringList{"1", "460.01250", txAfter, "None", "None", "High",
                                         "Wide", "No", "No", "No"}));
    QCOMPARE(f.hiddens(kRow), (QStringList{"1", "", "", "0", "0", "1", "0", "1", "1", "1"}));
    QVERIFY(!f.store.ReadOnly(Col::ColTx, kRow));
    QVERIFY(f.box.shown.isEmpty());
    // Only the row typed into.
    QCOMPARE(f.texts(kRow + 1).mid(1), QStringList(9, QString()));
}

void TestChannelStore::txCommitChecksRangeButBringsNoDefaults()
{
    ChannelFixture f;
    f.store.SetForeText(Col::ColTx, kRow, QStringLiteral("700"));

    QCOMPARE(f.store.Text(Col::ColTx, kRow), QStringLiteral("470.00000"));
    QCOMPARE(f.box.texts(), QStringList{f.ws.Language.ErrRange});
    QVERIFY(f.store.Hidden(Col::ColNumber, kRow).isEmpty());
    QVERIFY(f.store.Text(Col::ColDec, kRow).isEmpty());
    QVERIFY(!f.store.ReadChannelRow(kRow));
}

void TestChannelStore::changingRxOfChannelChangesNothingElse()
{
    ChannelFixture f;
    f.store.FillChannelRow(kRow, SampleChannel());
    QStringList texts = f.texts(kRow);
    const QStringList hiddens = f.hiddens(kRow);

    f.store.SetForeText(Col::ColRx, kRow, QStringLiteral("461"));

    texts[Col::ColRx - 1] = QStringLiteral("461.00000");
    QCOMPARE(f.texts(kRow), texts);
    QCOMPARE(f.hiddens(kRow), hiddens);
    QVERIFY(!f.store.ReadOnly(Col::ColTx, kRow));
}

// ---- clearing ---------------------------------------------------------------

void TestChannelStore::clearingRxEmptiesRow()
{
    ChannelFixture f;
    f.store.FillChannelRow(kRow, SampleChannel());

    f.store.SetForeText(Col::ColRx, kRow, QStringLiteral("   "));

    QCOMPARE(f.texts(kRow), QStringList({"1"}) + QStringList(9, QString()));
    QCOMPARE(f.hiddens(kRow), QStringList(10, QString()));
    QVERIFY(f.store.ReadOnly(Col::ColTx, kRow));
    QVERIFY(!f.store.ReadOnly(Col::ColRx, kRow));
    QVERIFY(!f.store.ReadChannelRow(kRow));
    QVERIFY(f.box.shown.isEmpty());
}

void TestChannelStore::clearingTxKeepsChannel()
{
    ChannelFixture f;
    f.store.FillChannelRow(kRow, SampleChannel());
    QStringList texts = f.texts(kRow);
    const QStringList hiddens = f.hiddens(kRow);

    f.store.SetForeText(Col::ColTx, kRow, QStringLiteral(" "));

    texts[Col::ColTx - 1] = QString();
    QCOMPARE(f.texts(kRow), texts);
    QCOMPARE(f.hiddens(kRow), hiddens);
    QVERIFY(!f.store.ReadOnly(Col::ColTx, kRow));
    TChannelValues expected = SampleChannel();
    expected.Tx = -1.0;
    QCOMPARE(f.store.ReadChannelRow(kRow), std::optional(expected));
}

// ---- ResetRows --------------------------------------------------------------

void TestChannelStore::resetRowsWithSameCountKeepsNumbers()
{
    ChannelFixture f;
    f.store.FillChannelRow(2, SampleChannel());
    f.store.FillChannelRow(17, SampleChannel());
    f.store.SetText(Col::ColNumber, 5, QStringLiteral("kept"));

    f.store.ResetRows();

    QCOMPARE(f.store.RowCount(), 18);
    for (int row = 2; row <= 17; ++row) {
        QCOMPARE(f.texts(row).mid(1), QStringList(9, QString()));
        QCOMPARE(f.hiddens(row), QStringList(10, QString()));
        QVERIFY(f.store.ReadOnly(Col::ColTx, row));
        QVERIFY(!f.store.ReadOnly(Col::ColRx, row));
    }
    QCOMPARE(f.store.Text(Col::ColNumber, 2), QStringLiteral("1"));
    QCOMPARE(f.store.Text(Col::ColNumber, 5), QStringLiteral("kept"));
    QCOMPARE(f.store.Text(Col::ColNumber, 17), QStringLiteral("16"));
}

void TestChannelStore::resetRowsWithOtherCountRebuilds()
{
    ChannelFixture f;
    f.store.FillChannelRow(2, SampleChannel());
    f.ws.All.ChannelCount = 5;

    f.store.ResetRows();

    QCOMPARE(f.store.RowCount(), 7);
    QCOMPARE(f.texts(1), BuiltInColumnDefinitions().mid(0, 10));
    for (int row = 2; row <= 6; ++row) {
        QCOMPARE(f.texts(row), QStringList{QString::number(row - 1)} + QStringList(9, QString()));
        QCOMPARE(f.hiddens(row), QStringList(10, QString()));
        for (int col = Col::ColNumber; col <= Col::ColBusyLockout; ++col)
            QCOMPARE(f.store.ReadOnly(col, row), col != Col::ColRx);
    }
    QVERIFY(f.store.Text(Col::ColNumber, 7).isEmpty()); // beyond the table

    f.ws.All.ChannelCount = 16;
    f.store.ResetRows();
    QCOMPARE(f.store.RowCount(), 18);
    QCOMPARE(f.store.Text(Col::ColNumber, 17), QStringLiteral("16"));
}

// ---- writer and reader contracts ------------------------------------------

void TestChannelStore::writerThenReader_data()
{
    QTest::addColumn<TChannelValues>("channel");

    QTest::newRow("tones and non-default options") << SampleChannel();
    TChannelValues noTx = SampleChannel();
    noTx.Tx = -1.0;
    QTest::newRow("no TX") << noTx;
    TChannelValues noTones = SampleChannel();
    noTones.DecTone.clear();
    noTones.EncTone.clear();
    QTest::newRow("no tones") << noTones;
    TChannelValues opposite;
    opposite.Rx = 27.5;
    opposite.Tx = 999.99999;
    opposite.DecTone = QStringLiteral("D754I");
    opposite.TxPower = opposite.WideNarrow = opposite.ScanAdd = opposite.BeatShift =
        opposite.BusyLockout = 1;
    QTest::newRow("every index 1, DCS inverted, frequencies at both ends") << opposite;
}

void TestChannelStore::writerThenReader()
{
    QFETCH(TChannelValues, channel);
    ChannelFixture f;
    TChannelValues before = SampleChannel(); // a row already holding a channel
    before.Tx = 455.0;
    f.store.FillChannelRow(kRow, before);

    f.store.FillChannelRow(kRow, channel);

    const TChannelTexts &t = f.store.Texts();
    QCOMPARE(f.store.Text(Col::ColRx, kRow), FrequencyText(channel.Rx));
    QCOMPARE(f.store.Text(Col::ColTx, kRow),
             channel.Tx > -1.0 ? FrequencyText(channel.Tx) : QString());
    QCOMPARE(f.store.Text(Col::ColDec, kRow),
             channel.DecTone.isEmpty() ? t.None : channel.DecTone);
    QCOMPARE(f.store.Text(Col::ColPower, kRow), t.Power.at(channel.TxPower));
    QCOMPARE(f.store.Text(Col::ColWideNarrow, kRow), t.WideNarrow.at(channel.WideNarrow));
    QCOMPARE(f.store.Text(Col::ColBusyLockout, kRow), t.YesNo.at(channel.BusyLockout));
    QCOMPARE(f.store.Hidden(Col::ColNumber, kRow), QStringLiteral("1"));
    QVERIFY(!f.store.ReadOnly(Col::ColTx, kRow));
    QVERIFY(!f.ws.All.Modified);

    QCOMPARE(f.store.ReadChannelRow(kRow), std::optional(channel));
}

void TestChannelStore::readerRx_data()
{
    QTest::addColumn<QString>("rx");
    QTest::addColumn<bool>("isChannel");
    QTest::addColumn<double>("mhz");

    QTest::newRow("blanks trimmed") << " 446.00625 " << true << 446.00625;
    QTest::newRow("highest eight-digit frequency") << "999.99999" << true << 999.99999;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("not a number") << "abc" << false << 0.0;
    QTest::newRow("two decimal points") << "1.2.3" << false << 0.0;
    QTest::newRow("negative") << "-5" << false << 0.0;
    QTest::newRow("1000 MHz needs nine digits") << "1000" << false << 0.0;
}

void TestChannelStore::readerRx()
{
    QFETCH(QString, rx);
    QFETCH(bool, isChannel);
    QFETCH(double, mhz);
    ChannelFixture f;
    f.store.FillChannelRow(kRow, SampleChannel());

    f.store.SetText(Col::ColRx, kRow, rx);

    const std::optional<TChannelValues> read = f.store.ReadChannelRow(kRow);
    QCOMPARE(read.has_value(), isChannel);
    if (read)
        QCOMPARE(read->Rx, mhz);
}

void TestChannelStore::readerNeverPassesWhatCannotBeEncoded()
{
    ChannelFixture f;
    TChannelValues channel = SampleChannel();
    channel.TxPower = channel.ScanAdd = channel.BeatShift = 1;
    f.store.FillChannelRow(kRow, channel);
    f.store.SetText(Col::ColTx, kRow, QStringLiteral("xyz"));
    f.store.SetHidden(Col::ColPower, kRow, QStringLiteral("x"));
    f.store.SetHidden(Col::ColScanAdd, kRow, QStringLiteral("2"));
    f.store.SetHidden(Col::ColWideNarrow, kRow, QString());
    f.store.SetHidden(Col::ColBeatShift, kRow, QStringLiteral(" 1 "));

    const std::optional<TChannelValues> read = f.store.ReadChannelRow(kRow);

    QVERIFY(read);
    QCOMPARE(read->Tx, -1.0);
    QCOMPARE(read->TxPower, 0);
    QCOMPARE(read->ScanAdd, 0);
    QCOMPARE(read->WideNarrow, 0);
    QCOMPARE(read->BeatShift, 1);
    QVERIFY(!f.store.ReadChannelRow(1)); // the header row is no channel
    QVERIFY(!f.store.ReadChannelRow(18));
}

// ---- language change ----------------------------------------------------------

void TestChannelStore::languageChangeRemapsTexts()
{
    ChannelFixture f;
    TChannelValues noTones = SampleChannel(); // Low, Narrow, Yes, Yes, Yes
    noTones.DecTone.clear();
    noTones.EncTone.clear();
    f.store.FillChannelRow(2, noTones);
    f.store.FillChannelRow(3, SampleChannel());
    f.store.SetForeText(Col::ColRx, 4, QStringLiteral("460")); // defaults: High, Wide, No...
    f.store.SetText(Col::ColDec, 5, QStringLiteral("None")); // a stray text without RX
    f.store.SetText(Col::ColPower, 5, QStringLiteral("High"));
    f.store.SetHidden(Col::ColPower, 5, QStringLiteral("0"));
    const QStringList hiddens2 = f.hiddens(2);
    f.ws.All.Modified = false;

    f.store.SetTexts(ChineseTexts());

    QCOMPARE(f.texts(2).mid(3), (QStringList{"无", "无", "低", "窄", "是", "是", "是"}));
    QCOMPARE(f.hiddens(2), hiddens2);
    QCOMPARE(f.texts(3).mid(3), (QStringList{"67.0", "D023N", "低", "窄", "是", "是", "是"}));
    QCOMPARE(f.texts(4).mid(3), (QStringList{"无", "无", "高", "宽", "否", "否", "否"}));
    QCOMPARE(f.store.Text(Col::ColDec, 5), QStringLiteral("None"));
    QCOMPARE(f.store.Text(Col::ColPower, 5), QStringLiteral("High"));
    QVERIFY(!f.ws.All.Modified);
    // The new none text still reads as no tone.
    QCOMPARE(f.store.ReadChannelRow(2), std::optional(noTones));

    // And back: the Chinese none text is the previous one now.
    f.store.SetTexts(TChannelTexts::BuiltIn());
    QCOMPARE(f.texts(2).mid(3), (QStringList{"None", "None", "Low", "Narrow", "Yes", "Yes", "Yes"}));
}

// ---- Modified ---------------------------------------------------------------

void TestChannelStore::modifiedOnlyThroughCommitPath()
{
    ChannelFixture f;
    f.store.SetText(Col::ColRx, kRow, QStringLiteral("460.00000"));
    f.store.SetHidden(Col::ColNumber, kRow, QStringLiteral("1"));
    f.store.SetReadOnly(Col::ColTx, kRow, false);
    f.store.FillChannelRow(kRow + 1, SampleChannel());
    f.store.ClearChannelRow(kRow + 1);
    f.store.SetTexts(ChineseTexts());
    f.store.ResetRows();
    QVERIFY(!f.ws.All.Modified);

    // Any column of the set-text path, even one the commit ignores.
    f.store.SetForeText(Col::ColPower, kRow, QStringLiteral("x"));
    QVERIFY(f.ws.All.Modified);

    f.ws.All.Modified = false;
    QVERIFY(f.store.setData(f.store.index(0, Col::ColRx - 1), QStringLiteral("460"), Qt::EditRole));
    QVERIFY(f.ws.All.Modified);
}

QTEST_GUILESS_MAIN(TestChannelStore)
#include "tst_channelstore.moc"

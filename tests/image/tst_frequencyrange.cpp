// The range check of typed frequencies and the commit of an RX or TX text.

#include "support/ScriptedMsgBox.h"
#include "core/AppState.h"
#include "core/MessageTable.h"
#include "image/FrequencyRange.h"

#include <QtTest>

Q_DECLARE_METATYPE(TRangeVerdict)
Q_DECLARE_METATYPE(TFrequencyLimits)

namespace {

// A VHF model accepting 67..300 MHz with the band "136 - 174MHz".
TFrequencyLimits Vhf()
{
    return {67, 300, 136, 174};
}

// A UHF model accepting 300..650 MHz with the band "400 - 470MHz".
TFrequencyLimits Uhf()
{
    return {300, 650, 400, 470};
}

TLanguage Messages()
{
    TLanguage messages;
    messages.Caution = QStringLiteral("Caution");
    messages.ErrRange = QStringLiteral("ErrRange");
    messages.OutRange = QStringLiteral("OutRange");
    messages.Confirmation = QStringLiteral("Confirmation");
    return messages;
}

} // namespace

class TestFrequencyRange : public QObject {
    Q_OBJECT
private slots:
    void limitsComeFromTheApplicationState();
    void checkFrequencyRange_data();
    void checkFrequencyRange();
    void commitFrequencyText_data();
    void commitFrequencyText();
    void messagesAreInformationBoxesCaptionedCaution();
};

void TestFrequencyRange::limitsComeFromTheApplicationState()
{
    TALL all;
    all.ModelLowerLimit = 300;
    all.ModelUpperLimit = 650;
    all.BandLowerLimit = 450;
    all.BandUpperLimit = 470;
    const TFrequencyLimits limits = TFrequencyLimits::Of(all);
    QCOMPARE(limits.modelLower, 300.0);
    QCOMPARE(limits.modelUpper, 650.0);
    QCOMPARE(limits.bandLower, 450.0);
    QCOMPARE(limits.bandUpper, 470.0);
}

void TestFrequencyRange::checkFrequencyRange_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("result");
    QTest::addColumn<TRangeVerdict>("verdict");
    QTest::newRow("above model: band upper") << 310.0 << 174.0 << TRangeVerdict::OutOfModel;
    QTest::newRow("below model: band lower") << 60.0 << 136.0 << TRangeVerdict::OutOfModel;
    QTest::newRow("outside band only: kept") << 180.0 << 180.0 << TRangeVerdict::OutOfBand;
    QTest::newRow("inside band") << 150.0 << 150.0 << TRangeVerdict::Inside;
    QTest::newRow("model upper counts as inside model") << 300.0 << 300.0 << TRangeVerdict::OutOfBand;
    QTest::newRow("model lower counts as inside model") << 67.0 << 67.0 << TRangeVerdict::OutOfBand;
    QTest::newRow("band upper counts as inside") << 174.0 << 174.0 << TRangeVerdict::Inside;
    QTest::newRow("band lower counts as inside") << 136.0 << 136.0 << TRangeVerdict::Inside;
}

void TestFrequencyRange::checkFrequencyRange()
{
    QFETCH(double, value);
    QFETCH(double, result);
    QFETCH(TRangeVerdict, verdict);
    const TRangeResult checked = CheckFrequencyRange(value, Vhf());
    QCOMPARE(checked.value, result);
    QCOMPARE(checked.verdict, verdict);
}

void TestFrequencyRange::commitFrequencyText_data()
{
    QTest::addColumn<TFrequencyLimits>("limits");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<QString>("text");
    QTest::addColumn<TRangeVerdict>("verdict");
    QTest::addColumn<QStringList>("shown");

    const QStringList silent;
    const QStringList outRange{QStringLiteral("OutRange")};
    const QStringList errRange{QStringLiteral("ErrRange")};
    QTest::newRow("blank clears") << Vhf() << "   " << true << "" << TRangeVerdict::Inside << silent;
    QTest::newRow("not a number: band upper, OutRange")
        << Vhf() << "1.2.3" << false << "174.00000" << TRangeVerdict::NotNumber << outRange;
    QTest::newRow("above model: band upper, ErrRange only")
        << Vhf() << "310" << false << "174.00000" << TRangeVerdict::OutOfModel << errRange;
    QTest::newRow("below model: band lower, ErrRange only")
        << Vhf() << "60" << false << "136.00000" << TRangeVerdict::OutOfModel << errRange;
    QTest::newRow("outside band: kept, rounded, OutRange")
        << Vhf() << "180.0031" << false << "180.00000" << TRangeVerdict::OutOfBand << outRange;
    QTest::newRow("inside: cut to the channel step")
        << Uhf() << "446.0031" << false << "446.00000" << TRangeVerdict::Inside << silent;
    QTest::newRow("inside: 6.25 kHz channel kept")
        << Uhf() << " 446.00625 " << false << "446.00625" << TRangeVerdict::Inside << silent;
    QTest::newRow("band upper passes")
        << Uhf() << "470" << false << "470.00000" << TRangeVerdict::Inside << silent;
    QTest::newRow("band lower passes")
        << Uhf() << "400" << false << "400.00000" << TRangeVerdict::Inside << silent;
    QTest::newRow("model upper: only the band warns")
        << Uhf() << "650" << false << "650.00000" << TRangeVerdict::OutOfBand << outRange;
    QTest::newRow("just above model upper")
        << Uhf() << "650.00001" << false << "470.00000" << TRangeVerdict::OutOfModel << errRange;
}

void TestFrequencyRange::commitFrequencyText()
{
    QFETCH(TFrequencyLimits, limits);
    QFETCH(QString, typed);
    QFETCH(bool, empty);
    QFETCH(QString, text);
    QFETCH(TRangeVerdict, verdict);
    QFETCH(QStringList, shown);

    const TFrequencyCommit commit = CommitFrequencyText(typed, limits);
    QCOMPARE(commit.empty, empty);
    QCOMPARE(commit.text, text);
    QCOMPARE(commit.verdict, verdict);
    if (!empty)
        QCOMPARE(qRound64(commit.value * 100000), text.remove(u'.').toLongLong());

    ScriptedMsgBox box;
    ShowRangeMessage(commit.verdict, Messages(), box);
    QCOMPARE(box.texts(), shown);
}

void TestFrequencyRange::messagesAreInformationBoxesCaptionedCaution()
{
    ScriptedMsgBox box;
    for (TRangeVerdict v : {TRangeVerdict::OutOfModel, TRangeVerdict::OutOfBand,
                            TRangeVerdict::NotNumber, TRangeVerdict::Inside})
        ShowRangeMessage(v, Messages(), box);
    QCOMPARE(box.shown.size(), 3);
    for (const ScriptedMsgBox::Shown &s : box.shown) {
        QCOMPARE(s.caption, QStringLiteral("Caution"));
        QCOMPARE(s.kind, int(MsgInformation));
    }
}

QTEST_GUILESS_MAIN(TestFrequencyRange)
#include "tst_frequencyrange.moc"

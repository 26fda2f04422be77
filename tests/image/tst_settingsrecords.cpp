// The function settings, embedded messages and test frequencies: defaults,
// the clamps after a read transfer, and what stays unclamped.

#include "BlockHex.h"
#include "image/AllClass.h"
#include "image/WriteRead.h"

#include <QtTest>

namespace {

int &Field(TFun &fun, const QString &name)
{
    for (const TFunField &f : FunFields()) {
        if (name == QLatin1String(f.name))
            return fun.*f.member;
    }
    qFatal("no TFun field %s", qPrintable(name));
}

} // namespace

class TestSettingsRecords : public QObject {
    Q_OBJECT
private slots:
    void defaultsInFieldOrder();
    void normalize_data();
    void normalize();
    void clampToRange_data();
    void clampToRange();
    void erasedSettingsBlocksAfterARead();
    void openedSettingsAreNotClamped();
    void resetSettings();
    void testFrequencyStartValues();
};

void TestSettingsRecords::defaultsInFieldOrder()
{
    const std::pair<const char *, int> expected[] = {
        {"BatterySave", 1},     {"ClewVoice", 1},           {"SquelchLevel", 5},
        {"SideKey", 1},         {"TxTimeOut", 6},           {"VoxFunction", 0},
        {"VoxInhibitOnReceive", 0}, {"VoxGainLevel", 4},    {"VoiceLanguage", 1},
        {"ScanMode", 0},        {"VoicePrompt", 1},         {"HighVolInhibitTx", 1},
        {"LowVolInhibitTx", 1}, {"InceptAlarm", 0},         {"FmRadio", 1},
    };
    const TFun fun;
    const auto fields = FunFields();
    QCOMPARE(fields.size(), std::size(expected));
    for (size_t i = 0; i < fields.size(); ++i) {
        QCOMPARE(QLatin1String(fields[i].name), QLatin1String(expected[i].first));
        QCOMPARE(fun.*fields[i].member, expected[i].second);
    }
}

void TestSettingsRecords::normalize_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("normalized");
    QTest::newRow("squelch above 9") << "SquelchLevel" << 12 << 5;
    QTest::newRow("squelch negative") << "SquelchLevel" << -1 << 5;
    QTest::newRow("squelch 9 kept") << "SquelchLevel" << 9 << 9;
    QTest::newRow("squelch 0 kept") << "SquelchLevel" << 0 << 0;
    QTest::newRow("side key 4 beyond the dialog kept") << "SideKey" << 4 << 4;
    QTest::newRow("side key 5 kept") << "SideKey" << 5 << 5;
    QTest::newRow("side key 6 falls back to Off") << "SideKey" << 6 << 0;
    QTest::newRow("time-out 11") << "TxTimeOut" << 11 << 6;
    QTest::newRow("time-out 10 kept") << "TxTimeOut" << 10 << 10;
    QTest::newRow("VOX gain 5") << "VoxGainLevel" << 5 << 4;
    QTest::newRow("VOX gain 0 kept") << "VoxGainLevel" << 0 << 0;
    QTest::newRow("scan 2: low bit 0") << "ScanMode" << 2 << 0;
    QTest::newRow("scan 255: low bit 1") << "ScanMode" << 255 << 1;
    QTest::newRow("battery save 3") << "BatterySave" << 3 << 1;
    QTest::newRow("FM -2") << "FmRadio" << -2 << 0;
}

void TestSettingsRecords::normalize()
{
    QFETCH(QString, field);
    QFETCH(int, stored);
    QFETCH(int, normalized);
    TFun fun;
    Field(fun, field) = stored;
    NormalizeSettings(fun);
    QCOMPARE(Field(fun, field), normalized);

    // The clamp of one field leaves every other field alone.
    TFun defaults;
    Field(fun, field) = Field(defaults, field);
    QVERIFY(fun == defaults);
}

void TestSettingsRecords::clampToRange_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("result");
    QTest::newRow("lower bound inside") << 0 << 0;
    QTest::newRow("upper bound inside") << 9 << 9;
    QTest::newRow("one below") << -1 << 5;
    QTest::newRow("one above") << 10 << 5;
    QTest::newRow("most negative") << std::numeric_limits<int>::min() << 5;
}

void TestSettingsRecords::clampToRange()
{
    QFETCH(int, value);
    QFETCH(int, result);
    ClampToRange(value, 0, 9, 5);
    QCOMPARE(value, result);
}

void TestSettingsRecords::erasedSettingsBlocksAfterARead()
{
    const TBlock erased = BlockFromHex(QString());
    TFun fun;
    TBWriteRead::DecodeBasicSettings(erased, fun);
    TBWriteRead::DecodeExtendedSettings(erased, fun);
    NormalizeSettings(fun);

    QCOMPARE(fun.SquelchLevel, 5);
    QCOMPARE(fun.SideKey, 0);
    QCOMPARE(fun.TxTimeOut, 6);
    QCOMPARE(fun.VoxGainLevel, 4);
    for (const char *onOff : {"BatterySave", "ClewVoice", "VoxFunction", "VoxInhibitOnReceive",
                              "VoiceLanguage", "ScanMode", "VoicePrompt", "HighVolInhibitTx",
                              "LowVolInhibitTx", "InceptAlarm", "FmRadio"})
        QVERIFY2(Field(fun, QLatin1String(onOff)) == 1, onOff);
}

void TestSettingsRecords::openedSettingsAreNotClamped()
{
    TFun fun;
    TBWriteRead::DecodeBasicSettings(BlockFromHex(QStringLiteral("03 0C 06 0B")), fun);
    TBWriteRead::DecodeExtendedSettings(BlockFromHex(QStringLiteral("01 01 02 01 05")), fun);
    QCOMPARE(fun.SquelchLevel, 12);
    QCOMPARE(fun.SideKey, 6);
    QCOMPARE(fun.TxTimeOut, 11);
    QCOMPARE(fun.ScanMode, 2);
    QCOMPARE(fun.VoxGainLevel, 5);
}

void TestSettingsRecords::resetSettings()
{
    TFun fun;
    for (const TFunField &f : FunFields())
        fun.*f.member = 7;
    TEnMsg messages;
    messages.MessageA = QStringLiteral("HELLO");
    messages.MessageB = QStringLiteral("WORLD");

    ResetSettings(fun, messages);
    QVERIFY(fun == TFun());
    QVERIFY(messages.MessageA.isEmpty());
    QVERIFY(messages.MessageB.isEmpty());
}

void TestSettingsRecords::testFrequencyStartValues()
{
    TTestFre test;
    test.RxFreq[7] = QStringLiteral("446.00625");
    test.SetDefaults();
    const QStringList rx{"460.05000", "440.05000", "479.95000", "460.00000", "460.20000", "460.40000"};
    const QStringList tx{"460.10000", "440.10000", "479.90000", "460.00000", "460.20000", "460.40000"};
    for (int i = 1; i <= 16; ++i) {
        QCOMPARE(test.RxFreq[i], i <= 6 ? rx.at(i - 1) : QString());
        QCOMPARE(test.TxFreq[i], i <= 6 ? tx.at(i - 1) : QString());
    }
}

QTEST_GUILESS_MAIN(TestSettingsRecords)
#include "tst_settingsrecords.moc"

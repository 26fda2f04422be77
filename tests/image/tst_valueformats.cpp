// Text forms and byte encodings of frequencies and tones.

#include "BlockHex.h"
#include "image/ValueFormats.h"

#include <QLocale>
#include <QtTest>

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

// Compares frequencies in whole 10 Hz units, the resolution the radio has.
qint64 TenHz(double mhz)
{
    return qRound64(mhz * 100000.0);
}

} // namespace

class TestValueFormats : public QObject {
    Q_OBJECT
private slots:
    void frequencyText_data();
    void frequencyText();
    void parseFrequency_data();
    void parseFrequency();
    void numbersIgnoreTheSystemLocale();

    void frequencyField_data();
    void frequencyField();
    void frequencyFieldWithoutFrequency_data();
    void frequencyFieldWithoutFrequency();

    void toneCode_data();
    void toneCode();
    void invalidToneCodeKeepsText_data();
    void invalidToneCodeKeepsText();
    void toneListRoundTrips();

    void roundToStep_data();
    void roundToStep();
    void checkToneText_data();
    void checkToneText();

    void bytesToTextKeepsEveryByte();
    void bitTextToNumber_data();
    void bitTextToNumber();
    void reverseText();
};

void TestValueFormats::frequencyText_data()
{
    QTest::addColumn<double>("mhz");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("count");
    QTest::newRow("6.25 kHz step, binary just below") << 446.00625 << "446.00625" << "44600625";
    QTest::newRow("trailing zeros kept") << 460.05 << "460.05000" << "46005000";
    QTest::newRow("leading zero in count") << 27.5 << "27.50000" << "02750000";
    QTest::newRow("whole MHz") << 136.0 << "136.00000" << "13600000";
    QTest::newRow("sub-10 Hz rounds to nearest") << 145.118754 << "145.11875" << "14511875";
    QTest::newRow("highest eight-digit count") << 999.99999 << "999.99999" << "99999999";
}

void TestValueFormats::frequencyText()
{
    QFETCH(double, mhz);
    QFETCH(QString, text);
    QFETCH(QString, count);
    QCOMPARE(FrequencyText(mhz), text);
    QCOMPARE(TenHzCount(mhz), count);
}

void TestValueFormats::parseFrequency_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<std::optional<double>>("value");
    const std::optional<double> none;
    QTest::newRow("plain") << "446.00625" << std::optional(446.00625);
    QTest::newRow("blanks at both ends") << "  446 " << std::optional(446.0);
    QTest::newRow("trailing point") << "446." << std::optional(446.0);
    QTest::newRow("leading point") << ".5" << std::optional(0.5);
    QTest::newRow("empty") << "" << none;
    QTest::newRow("only a point") << "." << none;
    QTest::newRow("two points") << "1.2.3" << none;
    QTest::newRow("comma separator") << "446,5" << none;
    QTest::newRow("group separator") << "1,446.5" << none;
    QTest::newRow("exponent") << "4.46e2" << none;
    QTest::newRow("inner blank") << "44 6" << none;
    QTest::newRow("letters") << "abc" << none;
    QTest::newRow("infinity") << "inf" << none;
    QTest::newRow("not a number") << "nan" << none;
}

void TestValueFormats::parseFrequency()
{
    QFETCH(QString, typed);
    QFETCH(std::optional<double>, value);
    const std::optional<double> parsed = ParseFrequency(typed);
    QCOMPARE(parsed.has_value(), value.has_value());
    if (value)
        QCOMPARE(TenHz(*parsed), TenHz(*value));
}

void TestValueFormats::numbersIgnoreTheSystemLocale()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });

    QCOMPARE(FrequencyText(446.00625), QStringLiteral("446.00625"));
    QCOMPARE(FrequencyText(1234.5), QStringLiteral("1234.50000")); // no group separator
    QVERIFY(ParseFrequency(QStringLiteral("446.5")).has_value());
    QCOMPARE(TenHz(*ParseFrequency(QStringLiteral("446.5"))), qint64(44650000));
    QVERIFY(!ParseFrequency(QStringLiteral("446,5")).has_value());
    QCOMPARE(CheckToneText(QStringLiteral("67.5")), QStringLiteral("67.5"));
}

void TestValueFormats::frequencyField_data()
{
    QTest::addColumn<double>("mhz");
    QTest::addColumn<QString>("bytes");
    QTest::newRow("446.00625") << 446.00625 << "25 06 60 44";
    QTest::newRow("leading zeros are digits") << 27.5 << "00 00 75 02";
    QTest::newRow("460.05") << 460.05 << "00 50 00 46";
    QTest::newRow("145.11875") << 145.11875 << "75 18 51 14";
}

void TestValueFormats::frequencyField()
{
    QFETCH(double, mhz);
    QFETCH(QString, bytes);
    uint8_t field[4] = {};
    EncodeFrequencyField(mhz, field);
    QCOMPARE(HexOf(field, 4), bytes);

    const std::optional<double> decoded = DecodeFrequencyField(field);
    QVERIFY(decoded.has_value());
    QCOMPARE(TenHz(*decoded), TenHz(mhz));
    QCOMPARE(FrequencyText(*decoded), FrequencyText(mhz));
}

void TestValueFormats::frequencyFieldWithoutFrequency_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::newRow("erased") << "FF FF FF FF";
    QTest::newRow("A in a high nibble") << "25 06 A0 44";
    QTest::newRow("F in the lowest nibble") << "2F 06 60 44";
    QTest::newRow("B in the top byte") << "25 06 60 B4";
}

void TestValueFormats::frequencyFieldWithoutFrequency()
{
    QFETCH(QString, bytes);
    const TBlock field = BlockFromHex(bytes);
    QVERIFY(!DecodeFrequencyField(field.data()).has_value());
}

void TestValueFormats::toneCode_data()
{
    QTest::addColumn<QString>("tone");
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("decoded");
    QTest::newRow("CTCSS 67.0") << "67.0" << "70 06" << "67.0";
    QTest::newRow("CTCSS 100.0") << "100.0" << "00 10" << "100.0";
    QTest::newRow("CTCSS 250.3") << "250.3" << "03 25" << "250.3";
    QTest::newRow("CTCSS lowest clamp") << "30.0" << "00 03" << "30.0";
    QTest::newRow("DCS normal") << "D023N" << "23 80" << "D023N";
    QTest::newRow("DCS normal, lower-case polarity") << "D023n" << "23 80" << "D023N";
    QTest::newRow("DCS inverted") << "D754I" << "54 C7" << "D754I";
    QTest::newRow("DCS inverted, lower-case polarity") << "D754i" << "54 C7" << "D754I";
    QTest::newRow("bad-code substitute") << "D777N" << "77 87" << "D777N";
    QTest::newRow("no tone") << "" << "FF FF" << "";
    QTest::newRow("not a number is no tone") << "None" << "FF FF" << "";
}

void TestValueFormats::toneCode()
{
    QFETCH(QString, tone);
    QFETCH(QString, bytes);
    QFETCH(QString, decoded);
    uint8_t code[2] = {0, 0};
    EncodeToneCode(tone, code);
    QCOMPARE(HexOf(code, 2), bytes);

    QString text = QStringLiteral("previous");
    QVERIFY(DecodeToneCode(code, text));
    QCOMPARE(text, decoded);
}

void TestValueFormats::invalidToneCodeKeepsText_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::newRow("23 FF: half erased") << "23 FF";
    QTest::newRow("FF 23: other half erased") << "FF 23";
    QTest::newRow("A in CTCSS tenths") << "0A 06";
    QTest::newRow("high nibble B is neither N nor I") << "23 B0";
}

void TestValueFormats::invalidToneCodeKeepsText()
{
    QFETCH(QString, bytes);
    const TBlock code = BlockFromHex(bytes);
    QString text = QStringLiteral("D047N");
    QVERIFY(!DecodeToneCode(code.data(), text));
    QCOMPARE(text, QStringLiteral("D047N"));
}

void TestValueFormats::toneListRoundTrips()
{
    const QStringList list = ToneList(QStringLiteral("Keiner"));
    QCOMPARE(list.size(), 206);
    QCOMPARE(list.first(), QStringLiteral("Keiner"));
    QCOMPARE(list.at(1), QStringLiteral("67.0"));
    QCOMPARE(list.at(39), QStringLiteral("250.3"));
    QCOMPARE(list.at(40), QStringLiteral("D023N"));
    QCOMPARE(list.at(122), QStringLiteral("D754N"));
    QCOMPARE(list.at(123), QStringLiteral("D023I"));
    QCOMPARE(list.last(), QStringLiteral("D754I"));

    // Every real tone survives the tone check, the encoder and the decoder
    // unchanged; the none text is not a tone and is never encoded.
    for (const QString &tone : list.mid(1)) {
        QCOMPARE(CheckToneText(tone), tone);
        uint8_t code[2];
        EncodeToneCode(tone, code);
        QString back;
        QVERIFY2(DecodeToneCode(code, back), qPrintable(tone));
        QCOMPARE(back, tone);
    }
}

void TestValueFormats::roundToStep_data()
{
    QTest::addColumn<double>("mhz");
    QTest::addColumn<double>("rounded");
    QTest::newRow("on the 6.25 kHz grid") << 446.00625 << 446.00625;
    QTest::newRow("whole kHz cut to 5 kHz") << 446.007 << 446.005;
    QTest::newRow("off grid cut to 6.25 kHz") << 446.0063 << 446.00625;
    QTest::newRow("cut down, not to nearest") << 460.0025 << 460.0;
    QTest::newRow("145.1234") << 145.1234 << 145.11875;
    QTest::newRow("12.5 kHz channel") << 460.0125 << 460.0125;
    QTest::newRow("6.25 kHz channel") << 462.5625 << 462.5625;
    QTest::newRow("just above a channel") << 446.0031 << 446.0;
    QTest::newRow("on the 5 kHz grid") << 446.005 << 446.005;
}

void TestValueFormats::roundToStep()
{
    QFETCH(double, mhz);
    QFETCH(double, rounded);
    const double result = RoundToStep(mhz);
    QCOMPARE(TenHz(result), TenHz(rounded));
    QVERIFY(TenHz(result) <= TenHz(mhz));
    if (TenHz(mhz) == TenHz(rounded))
        QCOMPARE(result, mhz); // on the grid: the very value passed
}

void TestValueFormats::checkToneText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("checked");
    QTest::newRow("empty stays empty") << "" << "";
    QTest::newRow("integer gets a decimal") << "67" << "67.0";
    QTest::newRow("below 30") << "25" << "30.0";
    QTest::newRow("lower limit") << "30" << "30.0";
    QTest::newRow("upper limit") << "290" << "290.0";
    QTest::newRow("above 290") << "300" << "290.0";
    QTest::newRow("digit then junk") << "6x" << "290.0";
    QTest::newRow("two decimals") << "71.94" << "71.9";
    QTest::newRow("DCS normal") << "D023N" << "D023N";
    QTest::newRow("DCS lower-case polarity kept") << "D023i" << "D023i";
    QTest::newRow("8 is not octal") << "D028N" << "D777N";
    QTest::newRow("too short") << "D23N" << "D777N";
    QTest::newRow("lower-case d") << "d023N" << "D777N";
    QTest::newRow("letters") << "ABC" << "D777N";
    QTest::newRow("digit as polarity") << "D0235" << "D777N";
    QTest::newRow("too long") << "D023NN" << "D777N";
    QTest::newRow("leading point is not a digit") << ".5" << "D777N";
}

void TestValueFormats::checkToneText()
{
    QFETCH(QString, typed);
    QFETCH(QString, checked);
    QCOMPARE(CheckToneText(typed), checked);
}

void TestValueFormats::bytesToTextKeepsEveryByte()
{
    uint8_t all[256];
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<uint8_t>(i);
    const QString text = BytesToText(all, 256);
    QCOMPARE(text.size(), 256);
    for (int i = 0; i < 256; ++i)
        QCOMPARE(int(text.at(i).unicode()), i);
    QCOMPARE(BytesToText(all, 0), QString());
}

void TestValueFormats::bitTextToNumber_data()
{
    QTest::addColumn<QString>("bits");
    QTest::addColumn<QString>("number");
    QTest::newRow("10110") << "10110" << "22";
    QTest::newRow("empty") << "" << "0";
    QTest::newRow("leading zeros") << "00000001" << "1";
    QTest::newRow("eight ones") << "11111111" << "255";
    QTest::newRow("top bit") << "10000000" << "128";
}

void TestValueFormats::bitTextToNumber()
{
    QFETCH(QString, bits);
    QFETCH(QString, number);
    QCOMPARE(BitTextToNumber(bits), number);
}

void TestValueFormats::reverseText()
{
    QCOMPARE(ReverseText(QStringLiteral("10000000")), QStringLiteral("00000001"));
    QCOMPARE(ReverseText(QStringLiteral("abc")), QStringLiteral("cba"));
    QCOMPARE(ReverseText(QString()), QString());
}

QTEST_GUILESS_MAIN(TestValueFormats)
#include "tst_valueformats.moc"

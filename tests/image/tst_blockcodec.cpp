// The 16-byte blocks of the memory image, byte for byte.

#include "BlockHex.h"
#include "image/AllClass.h"
#include "image/WriteRead.h"

#include <QtTest>

Q_DECLARE_METATYPE(TChannelValues)

namespace {

TChannelValues Channel(double rx, double tx, const QString &dec, const QString &enc, int wn,
                       int beat, int power, int scan, int busy)
{
    TChannelValues c;
    c.Rx = rx;
    c.Tx = tx;
    c.DecTone = dec;
    c.EncTone = enc;
    c.WideNarrow = wn;
    c.BeatShift = beat;
    c.TxPower = power;
    c.ScanAdd = scan;
    c.BusyLockout = busy;
    return c;
}

qint64 TenHz(double mhz)
{
    return qRound64(mhz * 100000.0);
}

} // namespace

class TestBlockCodec : public QObject {
    Q_OBJECT
private slots:
    void fillBlank();

    void header_data();
    void header();
    void headerDateText_data();
    void headerDateText();

    void channel_data();
    void channel();
    void blankChannelFailsAndLeavesOutputs_data();
    void blankChannelFailsAndLeavesOutputs();
    void channelWithoutTx_data();
    void channelWithoutTx();
    void invalidToneCodeKeepsCallersText();

    void basicSettings_data();
    void basicSettings();
    void extendedSettingsFieldPositions();

    void message_data();
    void message();
    void messageSkipsErasedBytes();

    void modelBand_data();
    void modelBand();
    void modelBandIgnoresFixedBytes();

    void bitmap_data();
    void bitmap();

    void hexHelpers();
};

void TestBlockCodec::fillBlank()
{
    TBlock block;
    block.fill(0x00);
    TBWriteRead::FillBlank(block);
    QCOMPARE(HexOf(block), HexOf(BlockFromHex(QString())));
}

void TestBlockCodec::header_data()
{
    QTest::addColumn<QString>("identity");
    QTest::addColumn<QString>("bandDigits");
    QTest::addColumn<QString>("saveTime");
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("storedIdentity");

    QTest::newRow("P6842, 400 - 470, 2011-03-05 14:07")
        << "P6842" << "400470" << "2011-03-05 14:07"
        << "50 36 38 34 32 40 04 70 DB 07 03 05 0E 07 FF FF" << "P6842";
    QTest::newRow("short identity padded with spaces, band with leading zeros")
        << "P68" << "027072" << "2024-12-31 23:59"
        << "50 36 38 20 20 02 70 72 E8 07 0C 1F 17 3B FF FF" << "P68  ";
    QTest::newRow("long identity cut at five")
        << "P684299" << "136174" << "2000-01-01 00:00"
        << "50 36 38 34 32 13 61 74 D0 07 01 01 00 00 FF FF" << "P6842";
}

void TestBlockCodec::header()
{
    QFETCH(QString, identity);
    QFETCH(QString, bandDigits);
    QFETCH(QString, saveTime);
    QFETCH(QString, bytes);
    QFETCH(QString, storedIdentity);

    TBlock block;
    block.fill(0x00);
    TBWriteRead::EncodeHeader(block, identity, bandDigits, saveTime);
    QCOMPARE(HexOf(block), bytes);

    QString id, band, date;
    TBWriteRead::DecodeHeader(block, id, band, date);
    QCOMPARE(id, storedIdentity);
    QCOMPARE(band, bandDigits);
    QCOMPARE(date, saveTime);
}

void TestBlockCodec::headerDateText_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("bandDigits");
    QTest::addColumn<QString>("date");
    QTest::newRow("year without leading zeros, the rest two digits")
        << "50 36 38 34 32 40 04 70 05 00 01 02 03 04 FF FF" << "400470" << "5-01-02 03:04";
    QTest::newRow("erased: hex band digits, three-digit fields")
        << "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF" << "FFFFFF" << "65535-255-255 255:255";
}

void TestBlockCodec::headerDateText()
{
    QFETCH(QString, bytes);
    QFETCH(QString, bandDigits);
    QFETCH(QString, date);
    QString id, band, text;
    TBWriteRead::DecodeHeader(BlockFromHex(bytes), id, band, text);
    QCOMPARE(band, bandDigits);
    QCOMPARE(text, date);
}

void TestBlockCodec::channel_data()
{
    QTest::addColumn<TChannelValues>("channel");
    QTest::addColumn<QString>("bytes");
    const QString dec = QStringLiteral("67.0");
    const QString enc = QStringLiteral("D023N");

    QTest::newRow("full channel")
        << Channel(446.00625, 446.00625, dec, enc, 1, 0, 1, 0, 1)
        << "25 06 60 44 25 06 60 44 70 06 23 80 0D FF FF FF";
    QTest::newRow("no TX, no tones")
        << Channel(446.00625, -1.0, {}, {}, 1, 0, 1, 0, 1)
        << "25 06 60 44 FF FF FF FF FF FF FF FF 0D FF FF FF";
    QTest::newRow("split, inverted DCS, CTCSS")
        << Channel(27.5, 460.05, QStringLiteral("D754I"), QStringLiteral("250.3"), 0, 0, 0, 0, 0)
        << "00 00 75 02 00 50 00 46 54 C7 03 25 00 FF FF FF";
    QTest::newRow("bit 0 Busy Lockout")
        << Channel(150, 150, {}, {}, 0, 0, 0, 0, 1) << "00 00 00 15 00 00 00 15 FF FF FF FF 01 FF FF FF";
    QTest::newRow("bit 1 Beat Shift")
        << Channel(150, 150, {}, {}, 0, 1, 0, 0, 0) << "00 00 00 15 00 00 00 15 FF FF FF FF 02 FF FF FF";
    QTest::newRow("bit 2 W/N")
        << Channel(150, 150, {}, {}, 1, 0, 0, 0, 0) << "00 00 00 15 00 00 00 15 FF FF FF FF 04 FF FF FF";
    QTest::newRow("bit 3 TX Power")
        << Channel(150, 150, {}, {}, 0, 0, 1, 0, 0) << "00 00 00 15 00 00 00 15 FF FF FF FF 08 FF FF FF";
    QTest::newRow("bit 4 Scan Add")
        << Channel(150, 150, {}, {}, 0, 0, 0, 1, 0) << "00 00 00 15 00 00 00 15 FF FF FF FF 10 FF FF FF";
    QTest::newRow("every option 1")
        << Channel(150, 150, {}, {}, 1, 1, 1, 1, 1) << "00 00 00 15 00 00 00 15 FF FF FF FF 1F FF FF FF";
}

void TestBlockCodec::channel()
{
    QFETCH(TChannelValues, channel);
    QFETCH(QString, bytes);

    TBlock block;
    block.fill(0x00);
    TBWriteRead::EncodeChannel(block, channel);
    QCOMPARE(HexOf(block), bytes);

    TChannelValues back = Channel(1, 2, QStringLiteral("old"), QStringLiteral("old"), 7, 7, 7, 7, 7);
    QVERIFY(TBWriteRead::DecodeChannel(block, back));
    QCOMPARE(TenHz(back.Rx), TenHz(channel.Rx));
    QCOMPARE(TenHz(back.Tx), TenHz(channel.Tx));
    back.Rx = channel.Rx;
    back.Tx = channel.Tx;
    QCOMPARE(back, channel);
}

void TestBlockCodec::blankChannelFailsAndLeavesOutputs_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::newRow("blank block") << "";
    QTest::newRow("nibble A in RX, rest valid") << "25 06 6A 44 25 06 60 44 70 06 23 80 0D";
}

void TestBlockCodec::blankChannelFailsAndLeavesOutputs()
{
    QFETCH(QString, bytes);
    const TChannelValues before = Channel(150, 151, QStringLiteral("67.0"), {}, 1, 1, 0, 0, 1);
    TChannelValues channel = before;
    QVERIFY(!TBWriteRead::DecodeChannel(BlockFromHex(bytes), channel));
    QCOMPARE(channel, before);
}

void TestBlockCodec::channelWithoutTx_data()
{
    QTest::addColumn<QString>("txBytes");
    QTest::newRow("erased TX") << "FF FF FF FF";
    QTest::newRow("nibble C in TX") << "25 06 C0 44";
}

void TestBlockCodec::channelWithoutTx()
{
    QFETCH(QString, txBytes);
    TChannelValues channel;
    channel.Tx = 446.0;
    const TBlock block = BlockFromHex("25 06 60 44 " + txBytes + " FF FF FF FF 00");
    QVERIFY(TBWriteRead::DecodeChannel(block, channel));
    QCOMPARE(TenHz(channel.Rx), qint64(44600625));
    QCOMPARE(channel.Tx, -1.0);
}

void TestBlockCodec::invalidToneCodeKeepsCallersText()
{
    TChannelValues channel;
    channel.DecTone = QStringLiteral("D047N");
    channel.EncTone = QStringLiteral("88.5");
    // decode tone 23 FF is neither no tone nor a valid form; encode tone FF FF
    // is no tone and empties the text.
    QVERIFY(TBWriteRead::DecodeChannel(
        BlockFromHex(QStringLiteral("25 06 60 44 FF FF FF FF 23 FF FF FF 08")), channel));
    QCOMPARE(channel.DecTone, QStringLiteral("D047N"));
    QCOMPARE(channel.EncTone, QString());
    QCOMPARE(channel.TxPower, 1);
}

void TestBlockCodec::basicSettings_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<int>("batterySave");
    QTest::addColumn<int>("clewVoice");
    QTest::addColumn<int>("squelch");
    QTest::newRow("both flags set") << "03 05 01 06" << 1 << 1 << 5;
    QTest::newRow("erased flags read as both set") << "FF 05 01 06" << 1 << 1 << 5;
    QTest::newRow("bit 1 is BatterySave") << "02 05 01 06" << 1 << 0 << 5;
    QTest::newRow("bit 0 is ClewVoice") << "01 05 01 06" << 0 << 1 << 5;
    QTest::newRow("squelch stored as read") << "00 0C 01 06" << 0 << 0 << 12;
}

void TestBlockCodec::basicSettings()
{
    QFETCH(QString, bytes);
    QFETCH(int, batterySave);
    QFETCH(int, clewVoice);
    QFETCH(int, squelch);

    TFun fun;
    TBWriteRead::DecodeBasicSettings(BlockFromHex(bytes), fun);
    QCOMPARE(fun.BatterySave, batterySave);
    QCOMPARE(fun.ClewVoice, clewVoice);
    QCOMPARE(fun.SquelchLevel, squelch);
    QCOMPARE(fun.SideKey, 1);
    QCOMPARE(fun.TxTimeOut, 6);

    TBlock block;
    block.fill(0x00);
    TBWriteRead::EncodeBasicSettings(block, fun);
    const QString flags = QStringLiteral("%1").arg(batterySave * 2 + clewVoice, 2, 16, QChar(u'0'));
    QCOMPARE(HexOf(block), HexOf(BlockFromHex(flags + bytes.mid(2))));
}

void TestBlockCodec::extendedSettingsFieldPositions()
{
    TFun fun;
    fun.VoicePrompt = 0x10;
    fun.VoiceLanguage = 0x11;
    fun.ScanMode = 0x12;
    fun.VoxFunction = 0x13;
    fun.VoxGainLevel = 0x14;
    fun.VoxInhibitOnReceive = 0x15;
    fun.LowVolInhibitTx = 0x16;
    fun.HighVolInhibitTx = 0x17;
    fun.InceptAlarm = 0x18;
    fun.FmRadio = 0x1FF; // only the low byte is stored

    TBlock block;
    block.fill(0x00);
    TBWriteRead::EncodeExtendedSettings(block, fun);
    QCOMPARE(HexOf(block), QStringLiteral("10 11 12 13 14 15 16 17 18 FF FF FF FF FF FF FF"));

    TFun back;
    TBWriteRead::DecodeExtendedSettings(block, back);
    fun.FmRadio = 0xFF;
    QVERIFY(back == fun);
}

void TestBlockCodec::message_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("decoded");
    QTest::newRow("HELLO") << "HELLO" << "48 45 4C 4C 4F FF FF FF FF FF FF FF FF FF FF FF" << "HELLO";
    QTest::newRow("empty") << "" << "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF" << "";
    QTest::newRow("sixteen characters fill the block")
        << "0123456789ABCDEF" << "30 31 32 33 34 35 36 37 38 39 41 42 43 44 45 46"
        << "0123456789ABCDEF";
    QTest::newRow("beyond sixteen not written")
        << "0123456789ABCDEFGH" << "30 31 32 33 34 35 36 37 38 39 41 42 43 44 45 46"
        << "0123456789ABCDEF";
    QTest::newRow("Latin-1 byte") << QStringLiteral(u"Caf\u00e9") << "43 61 66 E9 FF FF FF FF FF FF FF FF FF FF FF FF"
                                  << QStringLiteral(u"Caf\u00e9");
}

void TestBlockCodec::message()
{
    QFETCH(QString, text);
    QFETCH(QString, bytes);
    QFETCH(QString, decoded);
    TBlock block;
    block.fill(0x00);
    TBWriteRead::EncodeMessage(block, text);
    QCOMPARE(HexOf(block), bytes);
    QCOMPARE(TBWriteRead::DecodeMessage(block), decoded);
}

void TestBlockCodec::messageSkipsErasedBytes()
{
    QCOMPARE(TBWriteRead::DecodeMessage(BlockFromHex(QStringLiteral("41 FF 42 FF"))),
             QStringLiteral("AB"));
    QCOMPARE(TBWriteRead::DecodeMessage(BlockFromHex(QStringLiteral("FF FF 00 41"))),
             QStringLiteral(u"\u0000A"));
}

void TestBlockCodec::modelBand_data()
{
    QTest::addColumn<QString>("modelCode");
    QTest::addColumn<int>("bandCode");
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("decodedCode");
    QTest::newRow("6842, band 247") << "6842" << 247
        << "00 00 F7 32 34 38 36 50 FF FF FF FF FF FF FF FF" << "6842";
    QTest::newRow("short code padded, padding trimmed") << "68" << 0xFD
        << "00 00 FD 20 20 38 36 50 FF FF FF FF FF FF FF FF" << "68";
    QTest::newRow("long code cut at four") << "684299" << 0xF0
        << "00 00 F0 32 34 38 36 50 FF FF FF FF FF FF FF FF" << "6842";
    QTest::newRow("inner space kept") << "6 42" << 0xF4
        << "00 00 F4 32 34 20 36 50 FF FF FF FF FF FF FF FF" << "6 42";
}

void TestBlockCodec::modelBand()
{
    QFETCH(QString, modelCode);
    QFETCH(int, bandCode);
    QFETCH(QString, bytes);
    QFETCH(QString, decodedCode);
    TBlock block;
    block.fill(0x00);
    TBWriteRead::EncodeModelBand(block, modelCode, bandCode);
    QCOMPARE(HexOf(block), bytes);

    QString code = QStringLiteral("old");
    QCOMPARE(TBWriteRead::DecodeModelBand(block, code), bandCode);
    QCOMPARE(code, decodedCode);
}

void TestBlockCodec::modelBandIgnoresFixedBytes()
{
    QString code;
    QCOMPARE(TBWriteRead::DecodeModelBand(
                 BlockFromHex(QStringLiteral("12 34 F2 32 34 38 36 00 00")), code),
             0xF2);
    QCOMPARE(code, QStringLiteral("6842"));
}

void TestBlockCodec::bitmap_data()
{
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QString>("bytes");
    QTest::newRow("first and tenth") << "1000000001" << "01 02";
    QTest::newRow("empty text: all clear") << "" << "";
    QTest::newRow("eighth flag is bit 7") << "00000001" << "80";
    QTest::newRow("flag 128 is bit 7 of byte 15") << QString(127, u'0') + u'1'
                                                   << "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 80";
    QTest::newRow("all 128 set") << QString(128, u'1')
                                 << "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF";
    QTest::newRow("beyond 128 ignored") << QString(136, u'1')
                                        << "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF";
}

void TestBlockCodec::bitmap()
{
    QFETCH(QString, flags);
    QFETCH(QString, bytes);
    TBlock block;
    block.fill(0xAA);
    TBWriteRead::EncodeBitmap(block, flags);
    QCOMPARE(HexOf(block), HexOf(BlockFromHex(bytes, 0x00)));
}

void TestBlockCodec::hexHelpers()
{
    QCOMPARE(TBWriteRead::HexTextToInt(QStringLiteral("1F")), 31);
    QCOMPARE(TBWriteRead::HexTextToInt(QStringLiteral("40")), 0x40);
    QCOMPARE(TBWriteRead::HexPairToByte(QStringLiteral("8C")), uint8_t(0x8C));
    QCOMPARE(TBWriteRead::HexPairToByte(QStringLiteral("8c")), uint8_t(0x8C));
    QVERIFY(TBWriteRead::ContainsAnyOf(QStringLiteral("ABCDEF"), QStringLiteral("446F0625")));
    QVERIFY(!TBWriteRead::ContainsAnyOf(QStringLiteral("ABCDEF"), QStringLiteral("44600625")));
    QVERIFY(!TBWriteRead::ContainsAnyOf(QStringLiteral("ABCDEF"), QString()));
}

QTEST_GUILESS_MAIN(TestBlockCodec)
#include "tst_blockcodec.moc"

// The simulated radio as pure logic: its replies to each frame of the
// protocol, how it gets back in step after stray bytes, its faults, and the
// memory image it takes from and gives back to a workspace.

#include "support/Fixtures.h"
#include "link/RadioSim.h"

#include <QTest>

namespace {

const QByteArray kWake = Hex("02 50 52 4F 47 52 41 4E");
const QByteArray kIdent = QByteArrayLiteral("P6842") + QByteArray(3, '\0');
const QByteArray kHandshake = kWake + Hex("02") + Hex("06"); // up to the transfer

QByteArray joined(const QList<TRadioSim::Output> &outputs)
{
    QByteArray bytes;
    for (const TRadioSim::Output &o : outputs)
        bytes += o.bytes;
    return bytes;
}

// The replies to input fed in one piece, and fed byte by byte: a radio must
// not depend on how the bytes are cut.
QByteArray replies(const QByteArray &memory, const QByteArray &input, QByteArray *byteWise)
{
    TRadioSim whole(QStringLiteral("6842"));
    TRadioSim single(QStringLiteral("6842"));
    whole.SetMemory(memory);
    single.SetMemory(memory);
    const QByteArray all = joined(whole.Feed(input));
    byteWise->clear();
    for (const char c : input)
        *byteWise += joined(single.Feed(QByteArray(1, c)));
    return all;
}

QByteArray sampleMemory()
{
    QByteArray memory(TRadioSim::MemorySize, char(0xFF));
    for (int i = 0; i < 32; ++i)
        memory[16 + i] = char(i);
    return memory;
}

TRadioSim::Fault fault(TRadioSim::FaultKind kind, int frame)
{
    TRadioSim::Fault f;
    f.kind = kind;
    f.frame = frame;
    return f;
}

} // namespace

class TestRadioSim : public QObject {
    Q_OBJECT
private slots:
    void replies_data();
    void replies();
    void framesAreLoggedAsReceived();
    void writeFramesAreStored();
    void faults_data();
    void faults();
    void faultFiresOnce();
    void spoiltWakeUpLeavesTheRadioAsleep_data();
    void spoiltWakeUpLeavesTheRadioAsleep();
    void disappearSilencesTheRadio();
    void quietDropsACutFrameButKeepsAWakeUp();
    void parseFault_data();
    void parseFault();
    void memoryRoundTrip();
    void memoryLayout();
    void unknownModelCodeGivesNoWorkspace();
};

void TestRadioSim::replies_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray read16 = Hex("57 00 10 08 00 01 02 03 04 05 06 07");
    QTest::newRow("wake-up") << kWake << Hex("06");
    QTest::newRow("identification") << kWake + Hex("02") << Hex("06") + kIdent;
    QTest::newRow("acknowledgement") << kHandshake << Hex("06") + kIdent + Hex("06");
    QTest::newRow("read request") << kHandshake + Hex("52 00 10 08") << Hex("06") + kIdent + Hex("06") + read16;
    QTest::newRow("read wraps at the top of memory")
        << kHandshake + Hex("52 FF FC 08")
        << Hex("06") + kIdent + Hex("06") + Hex("57 FF FC 08 FF FF FF FF FF FF FF FF");
    QTest::newRow("write frames answer one byte")
        << kHandshake + Hex("57 00 10 08 11 22 33 44 55 66 77 88") + Hex("59 02 B0 08 11 22 33 44 55 66 77 88")
        << Hex("06") + kIdent + Hex("06 06 06");
    QTest::newRow("end: nothing, then the radio waits for a wake-up")
        << kHandshake + Hex("45") + Hex("52 00 10 08 06") << Hex("06") + kIdent + Hex("06");
    QTest::newRow("a new session after the end")
        << kHandshake + Hex("45") + kWake + Hex("02") << Hex("06") + kIdent + Hex("06") + Hex("06") + kIdent;
    QTest::newRow("nothing before the handshake") << Hex("52 00 10 08 06 02 45") << QByteArray();
    QTest::newRow("stray bytes before the wake-up") << Hex("00 FF 52 02 41") + kWake << Hex("06");
    QTest::newRow("a frame of another length is dropped")
        << kHandshake + Hex("52 00 10 07") + Hex("06") << Hex("06") + kIdent + Hex("06 06");
    QTest::newRow("a wake-up after a cut-off read request")
        << kHandshake + Hex("52 00") + kWake << Hex("06") + kIdent + Hex("06") + Hex("06");
    QTest::newRow("a wake-up in the middle of a session") << kHandshake + kWake + Hex("02")
                                                         << Hex("06") + kIdent + Hex("06") + Hex("06") + kIdent;
    QTest::newRow("0x02 then another letter is no wake-up") << Hex("02 50 52 4F 47 52 41 4D") << QByteArray();
}

void TestRadioSim::replies()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    QByteArray byteWise;
    QCOMPARE(::replies(sampleMemory(), input, &byteWise).toHex(' '), expected.toHex(' '));
    QCOMPARE(byteWise.toHex(' '), expected.toHex(' '));
}

void TestRadioSim::framesAreLoggedAsReceived()
{
    TRadioSim radio(QStringLiteral("6842"));
    const QList<TRadioSim::Output> outputs =
        radio.Feed(Hex("00") + kHandshake + Hex("52 00 00 08") + Hex("06") + Hex("45"));
    const QList<QByteArray> expected = {kWake, Hex("02"), Hex("06"), Hex("52 00 00 08"), Hex("06"), Hex("45")};
    QCOMPARE(radio.Frames(), expected);
    QVERIFY(outputs.last().sessionEnded);
    QVERIFY(outputs.last().bytes.isEmpty());
    radio.ClearFrames();
    QVERIFY(radio.Frames().isEmpty());
}

void TestRadioSim::writeFramesAreStored()
{
    TRadioSim radio(QStringLiteral("6842"));
    radio.Feed(kHandshake + Hex("57 00 10 08 11 22 33 44 55 66 77 88") + Hex("59 02 B8 08 01 02 03 04 05 06 07 08"));
    const QByteArray memory = radio.Memory();
    QCOMPARE(memory.size(), TRadioSim::MemorySize);
    QCOMPARE(memory.mid(16, 8), Hex("11 22 33 44 55 66 77 88"));
    QCOMPARE(memory.mid(0x2B8, 8), Hex("01 02 03 04 05 06 07 08"));
    QCOMPARE(memory.mid(24, 8), QByteArray(8, char(0xFF)));
}

void TestRadioSim::faults_data()
{
    using K = TRadioSim::FaultKind;
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("frame");
    QTest::addColumn<QByteArray>("input");     // fed after the handshake up to the frame before
    QTest::addColumn<QByteArray>("reply");     // the faulty frame's reply
    QTest::addColumn<int>("delayMs");

    const QByteArray read = Hex("52 00 10 08");
    const QByteArray readReply = Hex("57 00 10 08 00 01 02 03 04 05 06 07");
    QTest::newRow("no answer to a read request") << int(K::NoAnswer) << 4 << read << QByteArray() << 0;
    QTest::newRow("short read reply") << int(K::ShortReply) << 4 << read << readReply.left(11) << 0;
    QTest::newRow("wrong acknowledgement") << int(K::WrongAck) << 3 << Hex("06") << Hex("15") << 0;
    QTest::newRow("wrong acknowledgement of a write")
        << int(K::WrongAck) << 4 << Hex("57 00 10 08 00 01 02 03 04 05 06 07") << Hex("15") << 0;
    QTest::newRow("slow read reply") << int(K::SlowReply) << 4 << read << readReply << 150;
}

void TestRadioSim::faults()
{
    QFETCH(int, kind);
    QFETCH(int, frame);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, reply);
    QFETCH(int, delayMs);

    TRadioSim radio(QStringLiteral("6842"));
    radio.SetMemory(sampleMemory());
    radio.AddFault(fault(TRadioSim::FaultKind(kind), frame));
    radio.Feed(kWake + Hex("02"));
    const QList<TRadioSim::Output> out = radio.Feed(input == Hex("06") ? input : Hex("06") + input);
    const TRadioSim::Output last = out.isEmpty() ? TRadioSim::Output{} : out.last();
    if (reply.isEmpty()) {
        QCOMPARE(out.size(), 1); // the acknowledgement before it only
    } else {
        QCOMPARE(last.bytes.toHex(' '), reply.toHex(' '));
        QCOMPARE(last.delay, std::chrono::milliseconds(delayMs));
    }
    // The radio goes on normally afterwards.
    QCOMPARE(joined(radio.Feed(Hex("06"))), Hex("06"));
}

void TestRadioSim::faultFiresOnce()
{
    TRadioSim radio(QStringLiteral("6842"));
    radio.AddFault(fault(TRadioSim::FaultKind::Garbage, 2));
    radio.Feed(kWake);
    const QByteArray garbage = joined(radio.Feed(Hex("02")));
    QCOMPARE(garbage.size(), kIdent.size());
    for (int i = 0; i < garbage.size(); ++i)
        QVERIFY2(garbage[i] != kIdent[i], "every garbage byte differs");
    // The fault is spent: the next session identifies normally.
    QCOMPARE(joined(radio.Feed(kWake + Hex("02"))), Hex("06") + kIdent);
}

void TestRadioSim::spoiltWakeUpLeavesTheRadioAsleep_data()
{
    using K = TRadioSim::FaultKind;
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("awake");
    QTest::newRow("wrong acknowledgement") << int(K::WrongAck) << false;
    QTest::newRow("garbage") << int(K::Garbage) << false;
    QTest::newRow("short reply") << int(K::ShortReply) << false;
    QTest::newRow("no answer") << int(K::NoAnswer) << false;
    QTest::newRow("slow reply: late but given") << int(K::SlowReply) << true;
}

void TestRadioSim::spoiltWakeUpLeavesTheRadioAsleep()
{
    QFETCH(int, kind);
    QFETCH(bool, awake);
    TRadioSim radio(QStringLiteral("6842"));
    radio.AddFault(fault(TRadioSim::FaultKind(kind), 1));
    radio.Feed(kWake);
    // The computer's next byte is 0x02: the identification request to an
    // awake radio, the start of the retried wake-up to a sleeping one.
    const QByteArray reply = joined(radio.Feed(Hex("02")));
    QCOMPARE(reply, awake ? kIdent : QByteArray());
    if (!awake)
        QCOMPARE(joined(radio.Feed(kWake.mid(1))), Hex("06"));
}

void TestRadioSim::disappearSilencesTheRadio()
{
    TRadioSim radio(QStringLiteral("6842"));
    radio.AddFault(fault(TRadioSim::FaultKind::Disappear, 3));
    radio.Feed(kWake + Hex("02"));
    const QList<TRadioSim::Output> out = radio.Feed(Hex("06") + Hex("52 00 00 08"));
    QCOMPARE(out.size(), 1);
    QVERIFY(out.first().hangUp);
    QVERIFY(out.first().bytes.isEmpty());
    QVERIFY(radio.Gone());
    QVERIFY(radio.Feed(kWake).isEmpty());
}

void TestRadioSim::quietDropsACutFrameButKeepsAWakeUp()
{
    TRadioSim radio(QStringLiteral("6842"));
    radio.Feed(kHandshake + Hex("57 00 10 08 AA"));
    QVERIFY(radio.Waiting());
    radio.Quiet();
    QVERIFY(!radio.Waiting());
    // The computer's next frame is taken as it comes.
    QCOMPARE(joined(radio.Feed(Hex("52 00 10 08"))).left(4), Hex("57 00 10 08"));

    radio.Feed(Hex("45 02")); // the wake-up's 0x02, then its 200 ms pause
    radio.Quiet();
    QVERIFY(radio.Waiting());
    QCOMPARE(joined(radio.Feed(kWake.mid(1))), Hex("06"));
}

void TestRadioSim::parseFault_data()
{
    using K = TRadioSim::FaultKind;
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("frame");
    QTest::newRow("kind and frame") << "no-answer@12" << true << int(K::NoAnswer) << 12;
    QTest::newRow("frame 1 by default") << "garbage" << true << int(K::Garbage) << 1;
    QTest::newRow("every kind by name") << "short-reply@2" << true << int(K::ShortReply) << 2;
    QTest::newRow("wrong-ack") << "wrong-ack@3" << true << int(K::WrongAck) << 3;
    QTest::newRow("slow-reply") << "slow-reply@4" << true << int(K::SlowReply) << 4;
    QTest::newRow("disappear") << "disappear@5" << true << int(K::Disappear) << 5;
    QTest::newRow("unknown kind") << "explode@1" << false << 0 << 0;
    QTest::newRow("frame 0") << "garbage@0" << false << 0 << 0;
    QTest::newRow("frame not a number") << "garbage@x" << false << 0 << 0;
    QTest::newRow("two @") << "garbage@1@2" << false << 0 << 0;
}

void TestRadioSim::parseFault()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, kind);
    QFETCH(int, frame);
    QString error;
    const std::optional<TRadioSim::Fault> parsed = TRadioSim::ParseFault(text, &error);
    QCOMPARE(parsed.has_value(), valid);
    QCOMPARE(error.isEmpty(), valid);
    if (valid) {
        QCOMPARE(int(parsed->kind), kind);
        QCOMPARE(parsed->frame, frame);
        QCOMPARE(TRadioSim::ParseFault(TRadioSim::FaultName(parsed->kind), nullptr)->kind, parsed->kind);
    }
}

void TestRadioSim::memoryRoundTrip()
{
    auto ws = NewWorkspace(0);
    TypeChannel(*ws, 1, QStringLiteral("446.00625"), QStringLiteral("446.10625"));
    TypeChannel(*ws, 16, QStringLiteral("450.00000"));
    ws->EnMsg.MessageA = QStringLiteral("HELLO FROM THE RADIO 0123456789X");
    ws->EnMsg.MessageB = QStringLiteral("B");
    ws->Fun.SquelchLevel = 7;
    ws->Fun.TxTimeOut = 3;
    ws->Fun.FmRadio = 1;

    const QByteArray memory = MemoryFromWorkspace(*ws);
    QCOMPARE(memory.size(), TRadioSim::MemorySize);

    auto back = NewWorkspace(1); // another model: the memory's model must win
    QVERIFY(WorkspaceFromMemory(memory, QStringLiteral("6842"), *back));
    QCOMPARE(back->All.CurrentModel->Code, QStringLiteral("6842"));
    QCOMPARE(back->All.ModelCode, ws->All.ModelCode);
    QCOMPARE(back->All.BandText, ws->All.BandText);
    QCOMPARE(back->EnMsg.MessageA, ws->EnMsg.MessageA);
    QCOMPARE(back->EnMsg.MessageB, ws->EnMsg.MessageB);
    QVERIFY(back->Fun == ws->Fun);
    for (int k = 1; k <= 16; ++k)
        QCOMPARE(back->Channels.ReadChannelRow(k + 1), ws->Channels.ReadChannelRow(k + 1));
    QVERIFY(back->Channels.ReadChannelRow(2).has_value());
    QVERIFY(!back->Channels.ReadChannelRow(3).has_value());
}

void TestRadioSim::memoryLayout()
{
    auto ws = NewWorkspace(0);
    const QByteArray memory = MemoryFromWorkspace(*ws);
    // The header as a data file has it, the model and band block at 976,
    // nothing between the channels and the messages.
    QCOMPARE(memory.left(5), QByteArray("P6842"));
    QCOMPARE(memory.mid(976 + 3, 5), QByteArray("2486P"));
    QCOMPARE(memory.mid(16 * 17, 688 - 16 * 17), QByteArray(688 - 16 * 17, char(0xFF)));
    QCOMPARE(memory.mid(704, 896 - 704), QByteArray(896 - 704, char(0xFF)));
    QCOMPARE(memory.mid(992), QByteArray(TRadioSim::MemorySize - 992, char(0xFF)));
}

void TestRadioSim::unknownModelCodeGivesNoWorkspace()
{
    auto ws = NewWorkspace(0);
    const QString before = ws->All.ModelCode;
    QVERIFY(!WorkspaceFromMemory(QByteArray(TRadioSim::MemorySize, char(0xFF)), QStringLiteral("9999"), *ws));
    QCOMPARE(ws->All.ModelCode, before);
    // A radio of a model outside the catalogue still answers with its code.
    TRadioSim radio(QStringLiteral("9999"));
    QCOMPARE(joined(radio.Feed(kWake + Hex("02"))).mid(1, 5), QByteArray("P9999"));
}

QTEST_GUILESS_MAIN(TestRadioSim)
#include "tst_radiosim.moc"

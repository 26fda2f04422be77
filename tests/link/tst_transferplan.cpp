// What a transfer moves: the address maps, the progress maxima, the blocks a
// write encodes and what a read's blocks decode into.

#include "support/Fixtures.h"
#include "core/Workspace.h"
#include "link/TransferPlan.h"

#include <QTest>

namespace {

QList<int> addresses(const QList<TBlockSlot> &map)
{
    QList<int> out;
    for (const TBlockSlot &s : map)
        out << s.address;
    return out;
}

QList<int> catalogueAddresses()
{
    QList<int> a{0};
    for (int k = 1; k <= 16; ++k)
        a << 16 * k;
    a << 896 << 912 << 928 << 944 << 960 << 976 << 688;
    return a;
}

std::unique_ptr<TMacType> largeModel()
{
    auto m = std::make_unique<TMacType>(QStringLiteral("7777"), 32, QStringLiteral("Test(32)"));
    m->SetExtraBlocks(39);
    return m;
}

TBlock blockOf(const QByteArray &bytes)
{
    TBlock b;
    b.fill(0xFF);
    std::copy_n(reinterpret_cast<const uint8_t *>(bytes.constData()), std::min<qsizetype>(16, bytes.size()),
                b.begin());
    return b;
}

} // namespace

class TestTransferPlan : public QObject {
    Q_OBJECT
private slots:
    void catalogueMaps()
    {
        auto ws = NewWorkspace(0);
        const TMacType &model = *ws->All.CurrentModel;
        QCOMPARE(addresses(ReadMap(model)), catalogueAddresses());
        QCOMPARE(addresses(WriteMap(model)), catalogueAddresses());
        QCOMPARE(ReadProgressMaximum(model), 22);
        QCOMPARE(WriteProgressMaximum(model), 22);
        const QList<TBlockSlot> map = WriteMap(model);
        for (const TBlockSlot &s : map)
            QCOMPARE(s.frameY, s.address == 688);
    }

    void largerModelWritesBitmaps()
    {
        const auto model = largeModel();
        const QList<int> read = addresses(ReadMap(*model));
        QCOMPARE(read.size(), 40);
        QCOMPARE(read.mid(33), (QList<int>{16 * 72, 16 * 73, 16 * 74, 16 * 75, 16 * 76, 16 * 77, 688}));
        QCOMPARE(addresses(WriteMap(*model)).mid(40), (QList<int>{704, 720, 736, 752}));
        QCOMPARE(ReadProgressMaximum(*model), 38);
        QCOMPARE(WriteProgressMaximum(*model), 42);
    }

    void writePlanEncodesTheWorkspace()
    {
        auto ws = NewWorkspace(0);
        TypeChannel(*ws, 2, QStringLiteral("446.00625"));
        ws->EnMsg.MessageA = QStringLiteral("ABCDEFGHIJKLMNOPQRST"); // 20 characters
        const TWritePlan plan = BuildWritePlan(*ws);
        QCOMPARE(int(plan.blocks.size()), 24);
        const TBlock blank = blockOf({});
        QVERIFY(plan.blocks[0].bytes == blank);           // header as 0xFF
        QVERIFY(plan.blocks[1].bytes == blank);           // channel 1 empty
        QVERIFY(plan.blocks[2].bytes != blank);           // channel 2
        QVERIFY(plan.blocks[17].bytes == blockOf("ABCDEFGHIJKLMNOP"));
        QVERIFY(plan.blocks[18].bytes == blockOf("QRST"));
        QVERIFY(plan.blocks[20].bytes == blank);          // MessageB second half
        QCOMPARE(plan.channelUsedFlags, QStringLiteral("0100000000000000"));
        QCOMPARE(plan.scanAddFlags, QStringLiteral("0100000000000000"));
        QCOMPARE(ws->All.ChannelUsedFlags, QString()); // the workspace is not touched
    }

    // Decoding stays in the result; applying takes it, normalised.
    void readResultAppliesOnlyWhenAsked()
    {
        auto source = NewWorkspace(0);
        TypeChannel(*source, 3, QStringLiteral("450.50000"));
        source->EnMsg.MessageB = QStringLiteral("HI");
        source->Fun.SquelchLevel = 200; // out of range: normalised on apply
        const TWritePlan plan = BuildWritePlan(*source);
        const TMacType &model = *source->All.CurrentModel;
        std::vector<TBlock> blocks;
        for (const TPlannedBlock &b : plan.blocks)
            blocks.push_back(b.bytes);

        auto ws = NewWorkspace(1);
        TReadResult result;
        QVERIFY(!DecodeReadBlocks(model, ReadMap(model), {blocks.begin(), blocks.end() - 1}, ws->Bands, result));
        QVERIFY(DecodeReadBlocks(model, ReadMap(model), blocks, ws->Bands, result));
        QCOMPARE(ws->All.ModelCode, QStringLiteral("6841")); // nothing applied yet
        QVERIFY(result.channels[2].has_value());
        QVERIFY(!result.channels[0].has_value());
        QCOMPARE(result.fun.SquelchLevel, 200);

        ApplyReadResult(*ws, result);
        QCOMPARE(ws->All.ModelCode, QStringLiteral("6842"));
        QCOMPARE(ws->EnMsg.MessageB, QStringLiteral("HI"));
        QVERIFY(ws->Fun.SquelchLevel != 200);
        QVERIFY(ws->All.Modified);
        QCOMPARE(ws->Channels.Text(2, 4), QString()); // channels wait for LoadReadChannels
        LoadReadChannels(*ws, result);
        QCOMPARE(ws->Channels.Text(2, 4), QStringLiteral("450.50000"));
    }
};

QTEST_GUILESS_MAIN(TestTransferPlan)
#include "tst_transferplan.moc"

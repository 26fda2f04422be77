// Data files: the block order, what a save writes, what an open restores,
// and the files an open must refuse without touching anything.

#include "support/Fixtures.h"
#include "support/TempFiles.h"
#include "image/DataFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime kSaveTime(QDate(2011, 3, 5), QTime(14, 7));

QByteArray block(const QByteArray &file, int index)
{
    return file.mid(index * 16, 16);
}

// Every cell of every channel row, for comparing whole tables. The hidden
// values of the tone cells are nobody's business (typing leaves "0" there, a
// load leaves them empty), so they are left out.
QStringList tableCells(const TWorkspace &ws)
{
    QStringList cells;
    for (int r = 2; r < ws.Channels.RowCount(); ++r)
        for (int c = 1; c <= 10; ++c) {
            const bool tone = c == TChannelStore::ColDec || c == TChannelStore::ColEnc;
            cells << QStringLiteral("%1/%2:%3|%4|%5")
                         .arg(r)
                         .arg(c)
                         .arg(ws.Channels.Text(c, r), tone ? QString() : ws.Channels.Hidden(c, r))
                         .arg(ws.Channels.ReadOnly(c, r));
        }
    return cells;
}

// A table with a bit of everything: TX and no TX, CTCSS and DCS tones,
// options away from their defaults, a gap.
void fillSample(TWorkspace &ws)
{
    TChannelStore &t = ws.Channels;
    TypeChannel(ws, 1, QStringLiteral("446.00625"));
    t.SetText(TChannelStore::ColDec, 2, QStringLiteral("67.0"));
    t.SetText(TChannelStore::ColEnc, 2, QStringLiteral("D023N"));
    TypeChannel(ws, 2, QStringLiteral("460.05"), QStringLiteral("465.05"));
    t.SetText(TChannelStore::ColEnc, 3, QStringLiteral("D754I"));
    t.SetHidden(TChannelStore::ColWideNarrow, 3, QStringLiteral("1"));
    t.SetText(TChannelStore::ColWideNarrow, 3, QStringLiteral("Narrow"));
    t.SetHidden(TChannelStore::ColScanAdd, 3, QStringLiteral("0"));
    t.SetText(TChannelStore::ColScanAdd, 3, QStringLiteral("Yes"));
    TypeChannel(ws, 5, QStringLiteral("450"));
    t.SetForeText(TChannelStore::ColTx, 6, QString()); // no TX
    TypeChannel(ws, 16, QStringLiteral("470"));
}

} // namespace

class TestDataFile : public QObject {
    Q_OBJECT
private slots:
    void emptyTableIs992BytesOfBlankChannels();
    void saveThenOpenRestoresEverything_data();
    void saveThenOpenRestoresEverything();
    void rowWithoutRxIsSavedBlank();
    void openRefusesWithoutTouching_data();
    void openRefusesWithoutTouching();
    void longerFileReadsAsFarAsTheLayout();
    void bandComesFromTheBandCode();
    void modelCodeComesFromTheModelBandBlock();
    void invalidToneCodeGivesNoTone();
    void settingsAreTakenAsStored();
    void failedSaveKeepsModifiedAndReportsTheReason();
    void saveReplacesTheOldFileWhole();
    void largerModelAddsBitmapBlocks();
};

void TestDataFile::emptyTableIs992BytesOfBlankChannels()
{
    auto ws = NewWorkspace();
    const QByteArray file = EncodeDataFile(*ws, kSaveTime);
    QCOMPARE(file.size(), 992);
    QCOMPARE(DataFileSize(*ws->All.CurrentModel), 992);
    // P6842, band 450..470, 2011-03-05 14:07
    QCOMPARE(block(file, 0), Hex("50 36 38 34 32 45 04 70 DB 07 03 05 0E 07 FF FF"));
    for (int i = 1; i <= 54; ++i) // 16 channels and 38 reserved blocks
        QCOMPARE(block(file, i), QByteArray(16, char(0xFF)));
    // extended settings at 880 with the defaults, messages empty
    QCOMPARE(block(file, 55), Hex("01 01 00 00 04 00 01 01 00 01 FF FF FF FF FF FF"));
    for (int i = 56; i <= 59; ++i)
        QCOMPARE(block(file, i), QByteArray(16, char(0xFF)));
    QCOMPARE(block(file, 60), Hex("03 05 01 06 FF FF FF FF FF FF FF FF FF FF FF FF"));
    QCOMPARE(block(file, 61), Hex("00 00 F4 32 34 38 36 50 FF FF FF FF FF FF FF FF"));
    QCOMPARE(ws->All.ChannelUsedFlags, QString(16, u'0'));
}

void TestDataFile::saveThenOpenRestoresEverything_data()
{
    QTest::addColumn<QString>("messageA");
    QTest::addColumn<QString>("messageB");
    QTest::newRow("32 characters each") << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345")
                                        << QStringLiteral("abcdefghijklmnopqrstuvwxyz!?*-+=");
    QTest::newRow("20 characters split 16 + 4") << QStringLiteral("ORVEL DEALER 0123456") << QString();
    QTest::newRow("empty messages") << QString() << QString();
}

void TestDataFile::saveThenOpenRestoresEverything()
{
    QFETCH(QString, messageA);
    QFETCH(QString, messageB);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("radio.dat"));

    auto saved = NewWorkspace();
    fillSample(*saved);
    SelectBand(saved->All, QStringLiteral("400 - 470MHz"));
    saved->Fun.SquelchLevel = 9;
    saved->Fun.SideKey = 3;
    saved->Fun.TxTimeOut = 10;
    saved->Fun.VoxFunction = 1;
    saved->Fun.VoxGainLevel = 0;
    saved->Fun.FmRadio = 0;
    saved->Fun.ClewVoice = 0;
    saved->EnMsg.MessageA = messageA;
    saved->EnMsg.MessageB = messageB;
    saved->All.Modified = true;
    QVERIFY(SaveDataFile(path, *saved).ok());
    QVERIFY(!saved->All.Modified);
    QCOMPARE(QFileInfo(path).size(), 992);

    auto opened = NewWorkspace(1); // starts on the other model
    opened->All.Modified = true;
    QVERIFY(LoadDataFile(path, *opened).ok());
    QCOMPARE(opened->All.ModelName, QStringLiteral("Orvel(UHF)"));
    QCOMPARE(opened->All.ModelCode, QStringLiteral("6842"));
    QCOMPARE(opened->All.BandText, QStringLiteral("400 - 470MHz"));
    QCOMPARE(opened->All.BandLowerLimit, 400.0);
    QCOMPARE(opened->All.BandUpperLimit, 470.0);
    QCOMPARE(tableCells(*opened), tableCells(*saved));
    QVERIFY(opened->Fun == saved->Fun);
    QCOMPARE(opened->EnMsg.MessageA, messageA);
    QCOMPARE(opened->EnMsg.MessageB, messageB);
    QVERIFY(!opened->All.Modified);
}

void TestDataFile::rowWithoutRxIsSavedBlank()
{
    auto ws = NewWorkspace();
    TypeChannel(*ws, 4, QStringLiteral("455"));
    ws->Channels.SetText(TChannelStore::ColRx, 5, QStringLiteral("   ")); // only blanks left
    const QByteArray file = EncodeDataFile(*ws, kSaveTime);
    QCOMPARE(block(file, 4), QByteArray(16, char(0xFF)));
    QCOMPARE(ws->All.ChannelUsedFlags, QString(16, u'0'));

    auto back = NewWorkspace();
    QVERIFY(DecodeDataFile(file, *back).ok());
    QCOMPARE(back->Channels.Text(TChannelStore::ColTx, 5), QString());
    QCOMPARE(back->Channels.Hidden(TChannelStore::ColNumber, 5), QString());
    QVERIFY(back->Channels.ReadOnly(TChannelStore::ColTx, 5));
}

void TestDataFile::openRefusesWithoutTouching_data()
{
    auto source = NewWorkspace();
    TypeChannel(*source, 1, QStringLiteral("451"));
    const QByteArray good = EncodeDataFile(*source, kSaveTime);
    QByteArray unknownModel = good;
    unknownModel.replace(0, 5, "P1234");

    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("status");
    QTest::newRow("empty file") << QByteArray() << int(TDataFileResult::TooShort);
    QTest::newRow("header only") << good.left(16) << int(TDataFileResult::TooShort);
    QTest::newRow("one byte short") << good.left(991) << int(TDataFileResult::TooShort);
    QTest::newRow("model not in the catalogue") << unknownModel << int(TDataFileResult::UnknownModel);
    QTest::newRow("header of spaces") << QByteArray(992, ' ') << int(TDataFileResult::UnknownModel);
}

void TestDataFile::openRefusesWithoutTouching()
{
    QFETCH(QByteArray, file);
    QFETCH(int, status);
    auto ws = NewWorkspace(1); // VHF, with data and unsaved changes
    TypeChannel(*ws, 3, QStringLiteral("150.5"));
    ws->Fun.SquelchLevel = 2;
    ws->EnMsg.MessageA = QStringLiteral("KEEP");
    const QStringList before = tableCells(*ws);

    const TDataFileResult result = DecodeDataFile(file, *ws);
    QCOMPARE(int(result.status), status);
    QCOMPARE(tableCells(*ws), before);
    QCOMPARE(ws->All.ModelName, QStringLiteral("Orvel(VHF)"));
    QCOMPARE(ws->All.ModelCode, QStringLiteral("6841"));
    QCOMPARE(ws->All.BandText, QStringLiteral("150 - 174MHz"));
    QCOMPARE(ws->Fun.SquelchLevel, 2);
    QCOMPARE(ws->EnMsg.MessageA, QStringLiteral("KEEP"));
    QVERIFY(ws->All.Modified);

    const QString message = DataFileMessage(result, QStringLiteral("x.dat"), ws->Language);
    QCOMPARE(message, status == TDataFileResult::TooShort ? ws->Language.BadFile : ws->Language.ModError);
}

void TestDataFile::longerFileReadsAsFarAsTheLayout()
{
    auto source = NewWorkspace();
    TypeChannel(*source, 16, QStringLiteral("469.9875"));
    const QByteArray file = EncodeDataFile(*source, kSaveTime) + QByteArray(100, 'x');
    auto ws = NewWorkspace();
    QVERIFY(DecodeDataFile(file, *ws).ok());
    QCOMPARE(ws->Channels.Text(TChannelStore::ColRx, 17), QStringLiteral("469.98750"));
}

void TestDataFile::bandComesFromTheBandCode()
{
    auto source = NewWorkspace();
    SelectBand(source->All, QStringLiteral("400 - 470MHz"));
    QByteArray file = EncodeDataFile(*source, kSaveTime);
    QCOMPARE(block(file, 0).mid(5, 3), Hex("40 04 70"));
    file[61 * 16 + 2] = char(0xF4); // band code 244
    auto ws = NewWorkspace();
    QVERIFY(DecodeDataFile(file, *ws).ok());
    QCOMPARE(ws->All.BandText, QStringLiteral("450 - 470MHz"));
    QCOMPARE(ws->All.BandLowerLimit, 450.0);
    QCOMPARE(ws->All.BandUpperLimit, 470.0);

    file[61 * 16 + 2] = char(0x12); // a code of no band: the fallback band
    QVERIFY(DecodeDataFile(file, *ws).ok());
    QCOMPARE(ws->All.BandText, QStringLiteral(" 27 -  72MHz"));
}

void TestDataFile::modelCodeComesFromTheModelBandBlock()
{
    auto source = NewWorkspace();
    QByteArray file = EncodeDataFile(*source, kSaveTime);
    file.replace(61 * 16 + 3, 4, "1486"); // spells 6841 backwards
    auto ws = NewWorkspace();
    QVERIFY(DecodeDataFile(file, *ws).ok());
    QCOMPARE(ws->All.ModelName, QStringLiteral("Orvel(UHF)"));
    QCOMPARE(ws->All.ModelCode, QStringLiteral("6841"));

    // Saved again, the file still opens as the same model and keeps the
    // stored code; so does one whose stored code is no model's at all.
    for (const char *stored : {"1486", "\xFF\xFF\xFF\xFF"}) {
        file.replace(61 * 16 + 3, 4, stored);
        QVERIFY(DecodeDataFile(file, *ws).ok());
        const QString code = ws->All.ModelCode;
        const QByteArray saved = EncodeDataFile(*ws, kSaveTime);
        QCOMPARE(block(saved, 0).left(5), QByteArray("P6842"));
        auto again = NewWorkspace(1);
        QVERIFY(DecodeDataFile(saved, *again).ok());
        QCOMPARE(again->All.ModelName, QStringLiteral("Orvel(UHF)"));
        QCOMPARE(again->All.ModelCode, code);
    }
}

void TestDataFile::invalidToneCodeGivesNoTone()
{
    auto source = NewWorkspace();
    TypeChannel(*source, 1, QStringLiteral("451"));
    source->Channels.SetText(TChannelStore::ColDec, 2, QStringLiteral("67.0"));
    TypeChannel(*source, 2, QStringLiteral("452"));
    QByteArray file = EncodeDataFile(*source, kSaveTime);
    file[2 * 16 + 8] = char(0x23); // 23 FF: neither no tone nor a tone
    file[2 * 16 + 9] = char(0xFF);

    auto ws = NewWorkspace();
    QVERIFY(DecodeDataFile(file, *ws).ok());
    QCOMPARE(ws->Channels.Text(TChannelStore::ColDec, 2), QStringLiteral("67.0"));
    QCOMPARE(ws->Channels.Text(TChannelStore::ColDec, 3), ws->Channels.Texts().None);
}

void TestDataFile::settingsAreTakenAsStored()
{
    auto source = NewWorkspace();
    source->Fun.SquelchLevel = 12;
    source->Fun.ScanMode = 255;
    const QByteArray file = EncodeDataFile(*source, kSaveTime);
    auto ws = NewWorkspace();
    QVERIFY(DecodeDataFile(file, *ws).ok());
    QCOMPARE(ws->Fun.SquelchLevel, 12);
    QCOMPARE(ws->Fun.ScanMode, 255);
}

void TestDataFile::failedSaveKeepsModifiedAndReportsTheReason()
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
    WriteBytes(blocker, "x");
    auto ws = NewWorkspace();
    ws->All.Modified = true;
    const QString path = blocker + QStringLiteral("/radio.dat");
    const TDataFileResult result = SaveDataFile(path, *ws);
    QCOMPARE(result.status, TDataFileResult::CannotWrite);
    QVERIFY(!result.detail.isEmpty());
    QVERIFY(ws->All.Modified);
    QVERIFY(DataFileMessage(result, path, ws->Language).startsWith(path));

    auto none = std::make_unique<TWorkspace>();
    BuildWorkspace(*none);
    QCOMPARE(SaveDataFile(dir.filePath(QStringLiteral("a.dat")), *none).status, TDataFileResult::NoModel);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("a.dat"))));
}

void TestDataFile::saveReplacesTheOldFileWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("radio.dat"));
    WriteBytes(path, QByteArray(5000, 'o'));
    auto ws = NewWorkspace();
    QVERIFY(SaveDataFile(path, *ws, kSaveTime).ok());
    QCOMPARE(ReadBytes(path), EncodeDataFile(*ws, kSaveTime));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("radio.dat")});
}

void TestDataFile::largerModelAddsBitmapBlocks()
{
    auto ws = NewWorkspace();
    auto big = std::make_unique<TMacType>(QStringLiteral("7000"), 20, QStringLiteral("Test(20)"));
    big->SetLimits(650, 300);
    big->SetExtraBlocks(39);
    big->AddBand(QStringLiteral("450 - 470MHz"));
    big->SetDefaultBand(QStringLiteral("450 - 470MHz"));
    const TMacType *model = big.get();
    ws->Models.Add(std::move(big));
    StartWithModel(*ws, *model);
    TypeChannel(*ws, 1, QStringLiteral("451"));   // scan add "No" by default: flag 1
    TypeChannel(*ws, 10, QStringLiteral("452"));
    ws->Channels.SetHidden(TChannelStore::ColScanAdd, 11, QStringLiteral("0"));
    TypeChannel(*ws, 20, QStringLiteral("453"));

    const QByteArray file = EncodeDataFile(*ws, kSaveTime);
    QCOMPARE(file.size(), 16 * (20 + 39 + 7) + 64);
    QCOMPARE(DataFileSize(*model), file.size());
    QCOMPARE(ws->All.ChannelUsedFlags, QStringLiteral("10000000010000000001"));
    QCOMPARE(ws->All.ScanAddFlags, QStringLiteral("10000000000000000001"));
    QCOMPARE(block(file, 66), Hex("01 02 08 00 00 00 00 00 00 00 00 00 00 00 00 00"));
    QCOMPARE(block(file, 67), QByteArray(16, 0));
    QCOMPARE(block(file, 68), Hex("01 00 08 00 00 00 00 00 00 00 00 00 00 00 00 00"));
    QCOMPARE(block(file, 69), QByteArray(16, 0));

    // Reading takes the blocks before the bitmaps only.
    auto back = NewWorkspace();
    back->Models.Add(std::make_unique<TMacType>(*model));
    QVERIFY(DecodeDataFile(file.left(file.size() - 64), *back).ok());
    QCOMPARE(back->All.ChannelCount, 20);
    QCOMPARE(back->Channels.Text(TChannelStore::ColRx, 21), QStringLiteral("453.00000"));
}

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"

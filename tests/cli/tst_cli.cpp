// orvel-cli as a user runs it: exit statuses, what info prints, export and
// import, and the rows import must refuse.

#include "support/CliProcess.h"
#include "support/Fixtures.h"
#include "support/TempFiles.h"
#include "cli/ConsoleMsgBox.h"
#include "cli/Csv.h"
#include "image/DataFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Run = CliRun;

Run cli(const QStringList &arguments)
{
    return RunProcess(QStringLiteral(ORVEL_CLI), arguments, 30000);
}

void writeText(const QString &path, const QString &text)
{
    WriteBytes(path, text.toUtf8());
}

// The save time sits in bytes 8..13 of the header.
QByteArray withoutSaveTime(QByteArray file)
{
    if (file.size() >= 14)
        file.replace(8, 6, QByteArray(6, 0));
    return file;
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void exitStatuses_data();
    void exitStatuses();
    void infoShowsTheFileForAPerson();
    void infoJson();
    void exportWritesEveryChannelRow();
    void importOfExportGivesTheSameFile_data();
    void importOfExportGivesTheSameFile();
    void importTakesTheTableRules();
    void importRefusesBadRowsAndWritesNothing_data();
    void importRefusesBadRowsAndWritesNothing();
    void csvQuotingRoundTrips();
    void consoleBoxesAnswerAsStarted_data();
    void consoleBoxesAnswerAsStarted();

private:
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
    QString m_sample;  // settings and messages away from the defaults
    QString m_default; // default settings, VHF model
};

void TestCli::initTestCase()
{
    QVERIFY(m_dir.isValid());
    auto ws = NewWorkspace();
    TypeChannel(*ws, 1, QStringLiteral("446.00625"));
    ws->Channels.SetText(TChannelStore::ColDec, 2, QStringLiteral("67.0"));
    ws->Channels.SetText(TChannelStore::ColEnc, 2, QStringLiteral("D023N"));
    TypeChannel(*ws, 3, QStringLiteral("460.0125"), QStringLiteral("465.0125"));
    ws->Channels.SetHidden(TChannelStore::ColWideNarrow, 4, QStringLiteral("1"));
    ws->Channels.SetText(TChannelStore::ColWideNarrow, 4, QStringLiteral("Narrow"));
    TypeChannel(*ws, 16, QStringLiteral("469.99375"));
    ws->Channels.SetForeText(TChannelStore::ColTx, 17, QString());
    ws->Fun.SquelchLevel = 7;
    ws->Fun.SideKey = 2;
    ws->EnMsg.MessageA = QStringLiteral("HELLO, \"DEALER\"");
    ws->EnMsg.MessageB = QStringLiteral("0123456789ABCDEFGHIJ");
    m_sample = path("sample.dat");
    QVERIFY(SaveDataFile(m_sample, *ws).ok());

    auto vhf = NewWorkspace(1);
    TypeChannel(*vhf, 1, QStringLiteral("150.5"));
    TypeChannel(*vhf, 2, QStringLiteral("151.0062"));
    m_default = path("vhf.dat");
    QVERIFY(SaveDataFile(m_default, *vhf).ok());
}

void TestCli::exitStatuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0;
    QTest::newRow("version") << QStringList{QStringLiteral("--version")} << 0;
    QTest::newRow("command help") << QStringList{QStringLiteral("import"), QStringLiteral("--help")} << 0;
    QTest::newRow("no command") << QStringList{} << 2;
    QTest::newRow("unknown command") << QStringList{QStringLiteral("flash")} << 2;
    QTest::newRow("info without a file") << QStringList{QStringLiteral("info")} << 2;
    QTest::newRow("unknown option") << QStringList{QStringLiteral("info"), QStringLiteral("--xml"), QStringLiteral("a.dat")} << 2;
    QTest::newRow("export without -o") << QStringList{QStringLiteral("export"), QStringLiteral("a.dat")} << 2;
    QTest::newRow("missing file") << QStringList{QStringLiteral("info"), QStringLiteral("/nonexistent/a.dat")} << 1;
}

void TestCli::exitStatuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    const Run r = cli(arguments);
    QCOMPARE(r.status, status);
    if (status == 1) {
        QCOMPARE(r.err.count(u'\n'), 1); // one line
        QVERIFY(r.err.startsWith(QStringLiteral("orvel-cli: ")));
    }
}

void TestCli::infoShowsTheFileForAPerson()
{
    const Run r = cli({QStringLiteral("info"), m_sample});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.contains(QStringLiteral("Orvel(UHF)")), qPrintable(r.out));
    QVERIFY(r.out.contains(QStringLiteral("450 - 470MHz")));
    QVERIFY(r.out.contains(QStringLiteral("3 of 16 in use")));
    QVERIFY(r.out.contains(QStringLiteral("446.00625")));
    QVERIFY(r.out.contains(QStringLiteral("D023N")));
    QVERIFY(r.out.contains(QStringLiteral("H/L Power")));
    QVERIFY(r.out.contains(QStringLiteral("HELLO, \"DEALER\"")));

    QByteArray foreign = ReadBytes(m_sample);
    foreign.replace(1, 4, "9999");
    WriteBytes(path("foreign.dat"), foreign);
    const Run refused = cli({QStringLiteral("info"), path("foreign.dat")});
    QCOMPARE(refused.status, 1);
    QVERIFY(refused.err.contains(QStringLiteral("9999")));
}

void TestCli::infoJson()
{
    const Run r = cli({QStringLiteral("info"), QStringLiteral("--json"), m_sample});
    QCOMPARE(r.status, 0);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(o.value(QStringLiteral("model_code")).toString(), QStringLiteral("6842"));
    QCOMPARE(o.value(QStringLiteral("model_name")).toString(), QStringLiteral("Orvel(UHF)"));
    QCOMPARE(o.value(QStringLiteral("band")).toString(), QStringLiteral("450 - 470MHz"));
    QCOMPARE(o.value(QStringLiteral("band_lower")).toDouble(), 450.0);
    QCOMPARE(o.value(QStringLiteral("band_upper")).toDouble(), 470.0);

    const QJsonArray channels = o.value(QStringLiteral("channels")).toArray();
    QCOMPARE(channels.size(), 3);
    const QJsonObject first = channels[0].toObject();
    QCOMPARE(first.value(QStringLiteral("channel")).toInt(), 1);
    QCOMPARE(first.value(QStringLiteral("rx")).toString(), QStringLiteral("446.00625"));
    QCOMPARE(first.value(QStringLiteral("tx")).toString(), QStringLiteral("446.00625"));
    QCOMPARE(first.value(QStringLiteral("dec")).toString(), QStringLiteral("67.0"));
    QCOMPARE(first.value(QStringLiteral("enc")).toString(), QStringLiteral("D023N"));
    QCOMPARE(first.value(QStringLiteral("tx_power")).toInt(), 1);
    QCOMPARE(first.value(QStringLiteral("wide_narrow")).toInt(), 0);
    QCOMPARE(first.value(QStringLiteral("scan_add")).toInt(), 1);
    const QJsonObject second = channels[1].toObject();
    QCOMPARE(second.value(QStringLiteral("channel")).toInt(), 3);
    QCOMPARE(second.value(QStringLiteral("dec")).toString(), QString());
    QCOMPARE(second.value(QStringLiteral("wide_narrow")).toInt(), 1);
    const QJsonObject last = channels[2].toObject();
    QCOMPARE(last.value(QStringLiteral("channel")).toInt(), 16);
    QCOMPARE(last.value(QStringLiteral("tx")).toString(), QString());

    const QJsonObject settings = o.value(QStringLiteral("settings")).toObject();
    QCOMPARE(settings.size(), 15);
    QCOMPARE(settings.value(QStringLiteral("SquelchLevel")).toInt(), 7);
    QCOMPARE(settings.value(QStringLiteral("SideKey")).toInt(), 2);
    QCOMPARE(settings.value(QStringLiteral("FmRadio")).toInt(), 1);
    const QJsonObject messages = o.value(QStringLiteral("messages")).toObject();
    QCOMPARE(messages.value(QStringLiteral("MessageA")).toString(), QStringLiteral("HELLO, \"DEALER\""));
    QCOMPARE(messages.value(QStringLiteral("MessageB")).toString(), QStringLiteral("0123456789ABCDEFGHIJ"));
}

void TestCli::exportWritesEveryChannelRow()
{
    const QString csv = path("export.csv");
    QCOMPARE(cli({QStringLiteral("export"), m_sample, QStringLiteral("-o"), csv}).status, 0);
    QList<TCsvRecord> records;
    QString error;
    QVERIFY(ParseCsv(QString::fromUtf8(ReadBytes(csv)), records, error));
    QCOMPARE(records.size(), 17);
    QCOMPARE(records[0].fields,
             (QStringList{QStringLiteral("Channel No."), QStringLiteral("RX Frequency"), QStringLiteral("TX Frequency"),
                          QStringLiteral("QT/DQT Dec"), QStringLiteral("QT/DQT Enc"), QStringLiteral("TX Power"),
                          QStringLiteral("W/N"), QStringLiteral("Scan Add"), QStringLiteral("Beat Shift"),
                          QStringLiteral("Busy Lockout")}));
    QCOMPARE(records[1].fields,
             (QStringList{QStringLiteral("1"), QStringLiteral("446.00625"), QStringLiteral("446.00625"),
                          QStringLiteral("67.0"), QStringLiteral("D023N"), QStringLiteral("High"), QStringLiteral("Wide"),
                          QStringLiteral("No"), QStringLiteral("No"), QStringLiteral("No")}));
    QCOMPARE(records[2].fields, (QStringList{QStringLiteral("2"), {}, {}, {}, {}, {}, {}, {}, {}, {}}));
    QCOMPARE(records[16].fields.value(2), QString()); // channel 16 has no TX
}

void TestCli::importOfExportGivesTheSameFile_data()
{
    QTest::addColumn<QString>("original");
    QTest::addColumn<QStringList>("options");
    QTest::newRow("settings and messages from --base") << m_sample << QStringList{QStringLiteral("--base"), m_sample};
    QTest::newRow("default settings, model and band given")
        << m_default
        << QStringList{QStringLiteral("--model"), QStringLiteral("6841"), QStringLiteral("--band"), QStringLiteral("150-174mhz")};
}

void TestCli::importOfExportGivesTheSameFile()
{
    QFETCH(QString, original);
    QFETCH(QStringList, options);
    const QString csv = path("roundtrip.csv");
    const QString rebuilt = path("rebuilt.dat");
    QCOMPARE(cli({QStringLiteral("export"), original, QStringLiteral("-o"), csv}).status, 0);
    const Run r = cli(QStringList{QStringLiteral("import"), csv, QStringLiteral("-o"), rebuilt} + options);
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(withoutSaveTime(ReadBytes(rebuilt)), withoutSaveTime(ReadBytes(original)));
}

void TestCli::importTakesTheTableRules()
{
    // No header, columns in table order; short rows take the new-channel
    // defaults; typed values are rounded and tones normalised.
    const QString csv = path("typed.csv");
    writeText(csv, QStringLiteral("3,446.007\n"
                                  "5,480,,25,D023n,low,narrow,yes,0,1\n"
                                  "6,455.5,456,,,,,,,\n"));
    const QString out = path("typed.dat");
    const Run r = cli({QStringLiteral("import"), csv, QStringLiteral("-o"), out});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QVERIFY(r.err.contains(QStringLiteral("line 2")) && r.err.contains(QStringLiteral("outside the band")));

    auto ws = NewWorkspace();
    QVERIFY(LoadDataFile(out, *ws).ok());
    const TChannelStore &t = ws->Channels;
    QCOMPARE(t.Text(TChannelStore::ColRx, 4), QStringLiteral("446.00500"));
    QCOMPARE(t.Text(TChannelStore::ColTx, 4), QStringLiteral("446.00500"));
    QCOMPARE(t.Text(TChannelStore::ColPower, 4), QStringLiteral("High"));
    QCOMPARE(t.Text(TChannelStore::ColRx, 6), QStringLiteral("480.00000"));
    QCOMPARE(t.Text(TChannelStore::ColTx, 6), QString());
    QCOMPARE(t.Text(TChannelStore::ColDec, 6), QStringLiteral("30.0"));
    QCOMPARE(t.Text(TChannelStore::ColEnc, 6), QStringLiteral("D023N"));
    QCOMPARE(t.Hidden(TChannelStore::ColPower, 6), QStringLiteral("0"));
    QCOMPARE(t.Hidden(TChannelStore::ColWideNarrow, 6), QStringLiteral("1"));
    QCOMPARE(t.Hidden(TChannelStore::ColScanAdd, 6), QStringLiteral("0"));
    QCOMPARE(t.Hidden(TChannelStore::ColBeatShift, 6), QStringLiteral("0"));
    QCOMPARE(t.Hidden(TChannelStore::ColBusyLockout, 6), QStringLiteral("1"));
    QCOMPARE(t.Text(TChannelStore::ColTx, 7), QStringLiteral("456.00000"));
    QCOMPARE(t.Text(TChannelStore::ColDec, 7), t.Texts().None);
}

void TestCli::importRefusesBadRowsAndWritesNothing_data()
{
    QTest::addColumn<QString>("csv");
    QTest::addColumn<QString>("reason");
    const QString header = QStringLiteral("Channel No.,RX Frequency,TX Power\n");
    QTest::newRow("frequency not a number") << header + QStringLiteral("1,451\n2,4x1\n") << QStringLiteral("line 3");
    QTest::newRow("above the model") << header + QStringLiteral("1,651\n") << QStringLiteral("line 2");
    QTest::newRow("below the model") << header + QStringLiteral("1,299.9\n") << QStringLiteral("line 2");
    QTest::newRow("unknown option text") << header + QStringLiteral("1,451,Max\n") << QStringLiteral("line 2");
    QTest::newRow("channel 0") << header + QStringLiteral("0,451\n") << QStringLiteral("line 2");
    QTest::newRow("channel 17") << header + QStringLiteral("17,451\n") << QStringLiteral("line 2");
    QTest::newRow("channel twice") << header + QStringLiteral("4,451\n4,452\n") << QStringLiteral("line 3");
    QTest::newRow("unknown column") << QStringLiteral("Channel No.,RX Frequency,Colour\n1,451,red\n")
                                    << QStringLiteral("line 1");
    QTest::newRow("quoted field never ends") << header + QStringLiteral("1,\"451\n") << QStringLiteral("line 2");
}

void TestCli::importRefusesBadRowsAndWritesNothing()
{
    QFETCH(QString, csv);
    QFETCH(QString, reason);
    const QString in = path("bad.csv");
    const QString out = path("kept.dat");
    writeText(in, csv);
    QFile::remove(out);
    QVERIFY(QFile::copy(m_sample, out));
    const Run r = cli({QStringLiteral("import"), in, QStringLiteral("-o"), out});
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(reason), qPrintable(r.err));
    QCOMPARE(ReadBytes(out), ReadBytes(m_sample)); // the old file is untouched
}

void TestCli::csvQuotingRoundTrips()
{
    const QStringList fields{QStringLiteral("a,b"), QStringLiteral("say \"hi\""), QStringLiteral("two\nlines"), {}};
    QList<TCsvRecord> records;
    QString error;
    QVERIFY(ParseCsv(CsvLine(fields) + QStringLiteral("\r\n\r\nx\r\n"), records, error));
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[0].fields, fields);
    QCOMPARE(records[1].line, 4);
    QCOMPARE(records[1].fields, QStringList{QStringLiteral("x")});
}

void TestCli::consoleBoxesAnswerAsStarted_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("preset");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("line");
    QTest::newRow("information") << int(MsgInformation) << int(IdNo) << int(IdOk) << QStringLiteral("orvel-cli: C: T\n");
    QTest::newRow("yes/no, forced") << int(MsgYesNo) << int(IdYes) << int(IdYes) << QStringLiteral("orvel-cli: C: T [yes]\n");
    QTest::newRow("yes/no") << int(MsgYesNo) << int(IdNo) << int(IdNo) << QStringLiteral("orvel-cli: C: T [no]\n");
    QTest::newRow("retry/cancel") << int(MsgRetryCancel) << int(IdNo) << int(IdCancel) << QStringLiteral("orvel-cli: C: T [cancel]\n");
    QTest::newRow("other kind: no box") << 5 << int(IdNo) << int(IdOk) << QString();
}

void TestCli::consoleBoxesAnswerAsStarted()
{
    QFETCH(int, kind);
    QFETCH(int, preset);
    QFETCH(int, result);
    QFETCH(QString, line);
    QString printed;
    QTextStream stream(&printed);
    TConsoleMsgBox box(stream, preset);
    QCOMPARE(box.MsgBox(QStringLiteral("C"), QStringLiteral("T"), kind), result);
    QCOMPARE(printed, line);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"

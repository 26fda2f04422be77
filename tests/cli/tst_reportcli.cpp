// orvel-cli report as a user runs it: the PDF of a data file in either
// language, and the refusals that leave an existing output file alone.

#include "support/CliProcess.h"
#include "support/Fixtures.h"
#include "support/PdfText.h"
#include "support/TempFiles.h"
#include "image/DataFile.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

CliRun cli(const QStringList &arguments)
{
    return RunProcess(QStringLiteral(ORVEL_CLI), arguments, 60000);
}

// Each text found after the one before it.
void VerifyInOrder(const QString &text, const QStringList &expected)
{
    const QString missing = MissingInOrder(text, expected);
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("\"%1\" missing or out of order in:\n%2").arg(missing, text)));
}

} // namespace

class TestReportCli : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void refusalsKeepTheOldFile_data();
    void refusalsKeepTheOldFile();
    void pdfInEachLanguage_data();
    void pdfInEachLanguage();

private:
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
    QString m_file; // all 16 channels, channel 5 without TX
};

void TestReportCli::initTestCase()
{
    QVERIFY(m_dir.isValid());
    auto ws = NewWorkspace();
    for (int ch = 1; ch <= 16; ++ch)
        TypeChannel(*ws, ch, QString::number(460.00625 + 0.0125 * (ch - 1), 'f', 5));
    ws->Channels.SetForeText(TChannelStore::ColTx, 6, QString());
    ws->Channels.SetText(TChannelStore::ColDec, 2, QStringLiteral("67.0"));
    ws->Fun.BatterySave = 1;
    ws->Fun.ClewVoice = 0;
    m_file = path("sixteen.dat");
    QVERIFY(SaveDataFile(m_file, *ws).ok());
    WriteBytes(path("short.dat"), QByteArray(100, '\0'));
}

void TestReportCli::refusalsKeepTheOldFile_data()
{
    QTest::addColumn<QStringList>("arguments"); // the output file follows
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    const QString o = QStringLiteral("-o");
    QTest::newRow("no output") << QStringList{QStringLiteral("report"), m_file} << 2
                               << QStringLiteral("-o report.pdf is required");
    QTest::newRow("unknown language")
        << QStringList{QStringLiteral("report"), m_file, QStringLiteral("--language"), QStringLiteral("Klingon"), o}
        << 2 << QStringLiteral("Klingon");
    QTest::newRow("output is the data file")
        << QStringList{QStringLiteral("report"), path("old.pdf"), o} << 2
        << QStringLiteral("would overwrite its data file");
    QTest::newRow("missing data file")
        << QStringList{QStringLiteral("report"), path("none.dat"), o} << 1 << QStringLiteral("none.dat");
    QTest::newRow("not a data file")
        << QStringList{QStringLiteral("report"), path("short.dat"), o} << 1 << QStringLiteral("short.dat");
}

void TestReportCli::refusalsKeepTheOldFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, says);
    const QString output = path("old.pdf");
    WriteBytes(output, "the old report");
    if (arguments.endsWith(QStringLiteral("-o")))
        arguments.append(output);
    const CliRun r = cli(arguments);
    QCOMPARE(r.status, status);
    QVERIFY2(r.err.contains(says), qPrintable(r.err));
    QCOMPARE(ReadBytes(output), QByteArray("the old report"));
}

void TestReportCli::pdfInEachLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("firstPage");
    QTest::addColumn<QStringList>("channelPage");
    // The header comes first on every page; the settings group fills page 1
    // and the channel group starts on page 2.
    QTest::newRow("English")
        << QStringLiteral("English")
        << QStringList{QStringLiteral("Orvel"), QStringLiteral("Model Type:"), QStringLiteral("Orvel(UHF)"),
                       QStringLiteral("Frequency:"), QStringLiteral("450 - 470MHz"),
                       QStringLiteral("Function Setting"), QStringLiteral("Battery Save"), QStringLiteral("On"),
                       QStringLiteral("Clew Voice"), QStringLiteral("Off"), QStringLiteral("VOX Inhibit OnReceive")}
        << QStringList{QStringLiteral("Model Type:"), QStringLiteral("Channel Information"),
                       QStringLiteral("Channel No.1"), QStringLiteral("RX Frequency"), QStringLiteral("460.00625"),
                       QStringLiteral("QT/DQT Dec"), QStringLiteral("67.0"), QStringLiteral("Channel No.2")};
    QTest::newRow("Chinese")
        << QStringLiteral("Chinese")
        << QStringList{QStringLiteral("Orvel"), QStringLiteral("机型："), QStringLiteral("Orvel(UHF)"),
                       QStringLiteral("频段："), QStringLiteral("功能设置"), QStringLiteral("省电模式"),
                       QStringLiteral("开启"), QStringLiteral("关闭")}
        << QStringList{QStringLiteral("机型："), QStringLiteral("信道信息"), QStringLiteral("460.00625")};
}

void TestReportCli::pdfInEachLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, firstPage);
    QFETCH(QStringList, channelPage);
    const QString output = path("report.pdf");
    QFile::remove(output);
    const CliRun r = cli({QStringLiteral("report"), m_file, QStringLiteral("-o"), output,
                          QStringLiteral("--language"), language});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.err.isEmpty(), qPrintable(r.err)); // nothing from the offscreen platform either
    QVERIFY(ReadBytes(output).startsWith("%PDF"));
    if (!HavePdfTools())
        QSKIP("pdftotext and pdfinfo are not installed");
    // 15 settings rows on page 1; the channel group's 1 + 16 x 6 rows, 31
    // to a page, fill four more pages.
    QCOMPARE(PdfPages(output), 5);
    const QString first = PdfPageText(output, 1);
    VerifyInOrder(first, firstPage);
    QVERIFY(first.contains(QRegularExpression(QStringLiteral("\\d{4}/\\d{2}/\\d{2}"))));
    const QString second = PdfPageText(output, 2);
    VerifyInOrder(second, channelPage);
    // Channel 5 has no TX: its RX row ends with the TX label, no value.
    QVERIFY2(second.contains(QRegularExpression(QStringLiteral("460\\.05625 +[^\\n0-9]+\\n"))), qPrintable(second));
    VerifyInOrder(PdfPageText(output, 4), {QStringLiteral("460.18125"), QStringLiteral("460.19375")});
    const QString last = PdfPageText(output, 5);
    VerifyInOrder(last, {QStringLiteral("Orvel(UHF)")}); // the page header again, then the group's last rows
    QVERIFY(!last.contains(QStringLiteral("460.")));
    QCOMPARE(LastLine(last), QStringLiteral("5")); // the page number
}

QTEST_GUILESS_MAIN(TestReportCli)
#include "tst_reportcli.moc"

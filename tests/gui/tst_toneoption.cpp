// The tone picker: its tables and what a double click on them returns.

#include "ToneOptionDriver.h"
#include "support/Fixtures.h"

#include "editing/ToneTables.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList Column(const QTableWidget *table, int col)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts.append(table->item(row, col)->text());
    return texts;
}

} // namespace

class TestToneOption : public QObject {
    Q_OBJECT
private slots:
    void init();
    void entriesSplit_data();
    void entriesSplit();
    void tablesHoldTheEntries();
    void cellsAreColouredByRole();
    void doubleClickPicks_data();
    void doubleClickPicks();
    void enterPicksTheCurrentCell();
    void closingReturnsNothing();
    void titleFollowsTheTable();
    void pickRunsTheDriver();
    void translatedTitlesButNotTheValues();

private:
    std::unique_ptr<TWorkspace> m_ws;
};

void TestToneOption::init()
{
    m_ws = NewWorkspace();
}

void TestToneOption::entriesSplit_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("ctcss") << "01-67.0-XZ" << QStringList{"01", "67.0", "XZ"};
    QTest::newRow("dcs: no second dash") << "1-D023" << QStringList{"1", "D023", ""};
    QTest::newRow("empty entry") << "" << QStringList{"", "", ""};
}

void TestToneOption::entriesSplit()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, parts);
    const TToneEntryParts split = SplitEntry(entry);
    QCOMPARE((QStringList{split.number, split.tone, split.code}), parts);
}

void TestToneOption::tablesHoldTheEntries()
{
    const QStringList entries = ToneOptionEntries();
    QCOMPARE(entries.size(), 133);
    QCOMPARE(entries.first(), QStringLiteral("01-67.0-XZ"));
    QCOMPARE(entries.at(41), QStringLiteral("2A-254.1-0Z"));
    QCOMPARE(entries.at(45), QStringLiteral("1-D023"));
    QCOMPARE(entries.at(129), QStringLiteral("85-D754"));

    TfToneOption picker(m_ws->All);
    picker.show();
    const QTableWidget *ctcss = picker.Table(0);
    const QTableWidget *dcsN = picker.Table(1);
    const QTableWidget *dcsI = picker.Table(2);
    QCOMPARE(ctcss->columnCount(), 15);
    QCOMPARE(ctcss->rowCount(), 9);
    QCOMPARE(dcsN->columnCount(), 16);
    QCOMPARE(dcsN->rowCount(), 11);

    QCOMPARE(Column(dcsN, 1), (QStringList{"D023N", "D025N", "D026N", "D031N", "D032N", "D043N",
                                          "D047N", "D051N", "D054N", "D065N", "D071N"}));
    QCOMPARE(Column(dcsI, 1), (QStringList{"D023I", "D025I", "D026I", "D031I", "D032I", "D043I",
                                          "D047I", "D051I", "D054I", "D065I", "D071I"}));
    QCOMPARE(Column(ctcss, 13),
             (QStringList{"225.7", "229.1", "233.6", "241.8", "250.3", "254.1", "", "", ""}));
    QCOMPARE(Column(ctcss, 12),
             (QStringList{"25", "26", "27", "28", "29", "2A", "", "", ""}));
    QCOMPARE(Column(ctcss, 14), (QStringList{"M4", "9Z", "M5", "M6", "M7", "0Z", "", "", ""}));
    QCOMPARE(Column(dcsN, 15), (QStringList{"D703N", "D712N", "D723N", "D731N", "D732N", "D734N",
                                           "D743N", "D754N", "", "", ""}));
    QCOMPARE(Column(dcsI, 14), (QStringList{"78", "79", "80", "81", "82", "83", "84", "85", "", "", ""}));
}

void TestToneOption::cellsAreColouredByRole()
{
    TfToneOption picker(m_ws->All);
    picker.show();
    const QTableWidget *ctcss = picker.Table(0);
    QCOMPARE(ctcss->item(0, 0)->background().color(), QColor(249, 141, 227));
    QCOMPARE(ctcss->item(0, 1)->background().color(), QColor(Qt::white));
    QVERIFY(ctcss->item(0, 1)->font().bold());
    QCOMPARE(ctcss->item(0, 2)->background().color(), QColor(225, 249, 112));
    QVERIFY(!ctcss->item(0, 2)->font().bold());
    // The widths of the small system font, wider only where this font needs it.
    QCOMPARE(ctcss->columnWidth(0), 32);
    QVERIFY(ctcss->columnWidth(1) >= 43);
    QCOMPARE(ctcss->columnWidth(4), ctcss->columnWidth(1));
    QCOMPARE(ctcss->rowHeight(0), 24);
    const QTableWidget *dcsN = picker.Table(1);
    QCOMPARE(dcsN->item(3, 2)->background().color(), QColor(47, 231, 220));
    QVERIFY(dcsN->item(3, 3)->font().bold());
    QCOMPARE(dcsN->columnWidth(0), 25);
    QVERIFY(dcsN->columnWidth(1) >= 43);
    QCOMPARE(dcsN->rowHeight(0), 20);
}

void TestToneOption::doubleClickPicks_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("closes");
    QTest::newRow("ctcss tone 127.3") << 0 << 1 << 7 << "127.3" << true;
    QTest::newRow("ctcss tone outside the selector list") << 0 << 6 << 10 << "206.5" << true;
    QTest::newRow("ctcss tone code ZA") << 0 << 1 << 5 << "" << false;
    QTest::newRow("ctcss tone code XZ") << 0 << 0 << 2 << "" << false;
    QTest::newRow("ctcss number") << 0 << 0 << 0 << "" << false;
    QTest::newRow("ctcss empty tone cell") << 0 << 8 << 13 << "" << true;
    QTest::newRow("dcs-n first code") << 1 << 0 << 1 << "D023N" << true;
    QTest::newRow("dcs-n code outside the selector list") << 1 << 8 << 11 << "D525N" << true;
    QTest::newRow("dcs-i last code") << 2 << 7 << 15 << "D754I" << true;
    QTest::newRow("dcs-i number") << 2 << 7 << 14 << "" << false;
    QTest::newRow("dcs-i empty code cell") << 2 << 10 << 15 << "" << true;
}

void TestToneOption::doubleClickPicks()
{
    QFETCH(int, tag);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, result);
    QFETCH(bool, closes);

    TfToneOption picker(m_ws->All);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    DoubleClickTone(picker, tag, row, col);
    QCOMPARE(picker.Result(), result);
    QCOMPARE(picker.isVisible(), !closes);
    if (closes)
        QCOMPARE(picker.result(), int(result.isEmpty() ? QDialog::Rejected : QDialog::Accepted));
}

void TestToneOption::enterPicksTheCurrentCell()
{
    TfToneOption picker(m_ws->All);
    picker.show();
    QTableWidget *ctcss = picker.Table(0);
    ctcss->setCurrentCell(2, 2); // tone code: nothing
    QTest::keyClick(ctcss, Qt::Key_Return);
    QVERIFY(picker.isVisible());
    ctcss->setCurrentCell(2, 1);
    QTest::keyClick(ctcss, Qt::Key_Enter);
    QCOMPARE(picker.Result(), QStringLiteral("71.9"));
    QVERIFY(!picker.isVisible());
}

void TestToneOption::closingReturnsNothing()
{
    TfToneOption picker(m_ws->All);
    picker.show();
    picker.Table(0)->setCurrentCell(0, 1);
    QTest::keyClick(&picker, Qt::Key_Escape);
    QVERIFY(!picker.isVisible());
    QCOMPARE(picker.Result(), QString());

    TfToneOption again(m_ws->All);
    again.show();
    again.close();
    QCOMPARE(again.Result(), QString());
}

void TestToneOption::titleFollowsTheTable()
{
    TfToneOption picker(m_ws->All);
    picker.show();
    QCOMPARE(picker.ListGroup()->title(), QStringLiteral("CTCSS"));
    QVERIFY(picker.Table(0)->isVisible());

    picker.Choice(2)->click();
    QCOMPARE(picker.ListGroup()->title(), QStringLiteral("DCS-I"));
    QVERIFY(picker.Table(2)->isVisible());
    QVERIFY(!picker.Table(0)->isVisible());
    QVERIFY(!picker.Table(1)->isVisible());

    picker.Choice(0)->click();
    QCOMPARE(picker.ListGroup()->title(), QStringLiteral("CTCSS"));
    QVERIFY(picker.Table(0)->isVisible());
    QVERIFY(!picker.Table(2)->isVisible());
}

void TestToneOption::pickRunsTheDriver()
{
    {
        ScopedToneDriver driver([](TfToneOption &picker) { DoubleClickTone(picker, 1, 3, 1); });
        QCOMPARE(TfToneOption::Pick(m_ws->All, nullptr), QStringLiteral("D031N"));
    }
    ScopedToneDriver closer([](TfToneOption &picker) { picker.reject(); });
    QCOMPARE(TfToneOption::Pick(m_ws->All, nullptr), QString());
}

void TestToneOption::translatedTitlesButNotTheValues()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("Test.Ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[fToneOption]\n"
               "fToneOption.Caption=Tone Table\n"
               "lbSel.0=Sub-audio\n"
               "lbValue.0=99-99.9-QQ\n"
               "rDCSN.Caption=Digital N\n");
    file.close();
    m_ws->All.AppFolder = dir.path() + u'/';
    m_ws->All.LanguageName = QStringLiteral("Test");

    m_ws->All.LanguageIndex = 0; // the first language keeps the built-in texts
    {
        TfToneOption picker(m_ws->All);
        picker.show();
        QCOMPARE(picker.windowTitle(), QStringLiteral("Channel Tone Option"));
        QCOMPARE(picker.ListGroup()->title(), QStringLiteral("CTCSS"));
    }
    m_ws->All.LanguageIndex = 1;
    TfToneOption picker(m_ws->All);
    picker.show();
    QCOMPARE(picker.windowTitle(), QStringLiteral("Tone Table"));
    QCOMPARE(picker.ListGroup()->title(), QStringLiteral("Sub-audio"));
    QCOMPARE(picker.Choice(1)->text(), QStringLiteral("Digital N"));
    QCOMPARE(picker.Table(0)->item(0, 1)->text(), QStringLiteral("67.0"));
}

QTEST_MAIN(TestToneOption)
#include "tst_toneoption.moc"

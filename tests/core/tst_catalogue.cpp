// The model and band catalogue, and selecting a model and a band.

#include "core/AppState.h"
#include "core/MacType.h"

#include <QtTest>

class TestCatalogue : public QObject {
    Q_OBJECT

    TMacList models;
    TFrqList bands;
    TALL all;

private slots:
    void initTestCase()
    {
        BuildBandList(bands);
        BuildCatalogue(models, all);
    }

    void bandCodes_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        const struct {
            const char *text;
            int code;
        } rows[] = {
            {" 27 -  72MHz", 253}, {"136 - 150MHz", 241}, {"136 - 174MHz", 242},
            {"150 - 174MHz", 240}, {"216 - 223MHz", 243}, {"350 - 370MHz", 250},
            {"350 - 390MHz", 251}, {"370 - 390MHz", 252}, {"400 - 420MHz", 248},
            {"400 - 470MHz", 247}, {"440 - 480MHz", 249}, {"450 - 470MHz", 244},
            {"450 - 490MHz", 245}, {"470 - 650MHz", 246},
        };
        int position = 0;
        for (const auto &r : rows)
            QTest::newRow(r.text) << position++ << QString::fromLatin1(r.text) << r.code;
    }
    // Every band maps to its code and back, in the band list's order.
    void bandCodes()
    {
        QFETCH(int, position);
        QFETCH(QString, text);
        QFETCH(int, code);
        QCOMPARE(bands.TextAt(position), text);
        QCOMPARE(bands.CodeOf(text), code);
        QCOMPARE(bands.TextOf(code), text);
    }

    void bandLookupFallbacks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("blanks around the dash missing") << "400-470MHz" << 253;
        QTest::newRow("other letter case") << "400 - 470mhz" << 253;
        QTest::newRow("leading blank of the fallback band dropped") << "27 -  72MHz" << 253;
        QTest::newRow("empty text") << "" << 253;
    }
    void bandLookupFallbacks()
    {
        QFETCH(QString, text);
        QFETCH(int, code);
        QCOMPARE(bands.CodeOf(text), code);
    }

    void textOfUnknownCode_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("zero") << 0;
        QTest::newRow("254, just above the range") << 254;
        QTest::newRow("239, just below the range") << 239;
        QTest::newRow("negative") << -1;
    }
    void textOfUnknownCode()
    {
        QFETCH(int, code);
        QCOMPARE(bands.TextOf(code), QStringLiteral(" 27 -  72MHz"));
    }

    void modelRecords_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("upper");
        QTest::addColumn<double>("lower");
        QTest::addColumn<QStringList>("modelBands");
        QTest::addColumn<QString>("defaultBand");
        QTest::newRow("UHF first") << 0 << "6842" << "Orvel(UHF)" << 650.0 << 300.0
            << QStringList{"350 - 370MHz", "350 - 390MHz", "370 - 390MHz", "400 - 420MHz",
                           "400 - 470MHz", "440 - 480MHz", "450 - 470MHz", "450 - 490MHz",
                           "470 - 650MHz"}
            << "450 - 470MHz";
        QTest::newRow("VHF second") << 1 << "6841" << "Orvel(VHF)" << 300.0 << 67.0
            << QStringList{"136 - 150MHz", "136 - 174MHz", "150 - 174MHz", "216 - 223MHz"}
            << "150 - 174MHz";
    }
    void modelRecords()
    {
        QFETCH(int, position);
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(double, upper);
        QFETCH(double, lower);
        QFETCH(QStringList, modelBands);
        QFETCH(QString, defaultBand);

        const TMacType *m = models.Item(position);
        QVERIFY(m);
        QCOMPARE(m->Code, code);
        QCOMPARE(m->Name, name);
        QCOMPARE(m->ChannelCount, 16);
        QCOMPARE(m->UpperLimit, upper);
        QCOMPARE(m->LowerLimit, lower);
        QCOMPARE(m->ExtraBlocks, 39);
        QCOMPARE(m->Bands, modelBands);
        QCOMPARE(m->DefaultBand, defaultBand);
        QCOMPARE(models.FindByCode(code), m);
        QCOMPARE(models.FindByName(name), m);

        // No band of a model may fall back to the band that belongs to none.
        for (const QString &band : m->Bands + QStringList{m->DefaultBand})
            QVERIFY2(bands.CodeOf(band) != 253, qPrintable(band));
        QVERIFY(m->Bands.contains(m->DefaultBand));
    }

    void modelLookupMisses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("code of no model") << "6843";
        QTest::newRow("code with a blank") << "6842 ";
        QTest::newRow("name in lower case") << "orvel(uhf)";
    }
    void modelLookupMisses()
    {
        QFETCH(QString, text);
        QVERIFY(!models.FindByCode(text));
        QVERIFY(!models.FindByName(text));
    }

    void countAndItemBounds()
    {
        QCOMPARE(models.Count(), 2);
        QVERIFY(!models.Item(2));
        QVERIFY(!models.Item(-1));
        QCOMPARE(bands.Count(), 14);
        QCOMPARE(all.ProductTitle, QStringLiteral("Orvel"));
    }

    void getNamesReplacesTheList()
    {
        QStringList names{"left over", "from before", "and more"};
        models.GetNames(names);
        QCOMPARE(names, (QStringList{"Orvel(UHF)", "Orvel(VHF)"}));
    }

    void parseBandText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::newRow("fallback band with extra blanks") << " 27 -  72MHz" << true << 27.0 << 72.0;
        QTest::newRow("UHF default band") << "450 - 470MHz" << true << 450.0 << 470.0;
        QTest::newRow("no blanks") << "136-174MHz" << true << 136.0 << 174.0;
        QTest::newRow("no dash") << "450 470MHz" << false << 0.0 << 0.0;
        QTest::newRow("no MHz") << "450 - 470" << false << 0.0 << 0.0;
        QTest::newRow("lower not a number") << "abc - 470MHz" << false << 0.0 << 0.0;
        QTest::newRow("empty") << "" << false << 0.0 << 0.0;
    }
    void parseBandText()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, lower);
        QFETCH(double, upper);
        double lo = -1, hi = -1;
        QCOMPARE(ParseBandText(text, lo, hi), ok);
        QCOMPARE(lo, lower);
        QCOMPARE(hi, upper);
    }

    // What the main window's first show leaves: the first model with its
    // default band.
    void selectFirstModelAndDefaultBand()
    {
        TALL state;
        const TMacType &uhf = *models.Item(0);
        SelectModel(state, uhf);
        SelectBand(state, uhf.DefaultBand);
        QCOMPARE(state.CurrentModel, &uhf);
        QCOMPARE(state.ModelName, QStringLiteral("Orvel(UHF)"));
        QCOMPARE(state.ModelCode, QStringLiteral("6842"));
        QCOMPARE(state.ChannelCount, 16);
        QCOMPARE(state.ModelUpperLimit, 650.0);
        QCOMPARE(state.ModelLowerLimit, 300.0);
        QCOMPARE(state.BandText, QStringLiteral("450 - 470MHz"));
        QCOMPARE(state.BandLowerLimit, 450.0);
        QCOMPARE(state.BandUpperLimit, 470.0);
    }

    // The model group and the band group change independently.
    void groupsAreIndependent()
    {
        TALL state;
        SelectBand(state, QStringLiteral("136 - 174MHz"));
        SelectModel(state, *models.Item(0));
        QCOMPARE(state.BandText, QStringLiteral("136 - 174MHz"));
        QCOMPARE(state.BandLowerLimit, 136.0);
        QCOMPARE(state.BandUpperLimit, 174.0);

        state.ModelCode = QStringLiteral("9999"); // as a model and band block may leave it
        SelectBand(state, QStringLiteral(" 27 -  72MHz"));
        QCOMPARE(state.ModelCode, QStringLiteral("9999"));
        QCOMPARE(state.CurrentModel, models.Item(0));
        QCOMPARE(state.BandLowerLimit, 27.0);
        QCOMPARE(state.BandUpperLimit, 72.0);

        SelectModel(state, *models.Item(1));
        QCOMPARE(state.ModelCode, QStringLiteral("6841"));
        QCOMPARE(state.ModelLowerLimit, 67.0);
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"

// The language dialog and the model dialog, shown without a modal loop and
// answered by clicking their buttons.

#include "core/AppState.h"
#include "core/ModelDialog.h"
#include "localisation/SetLanguageDialog.h"
#include "support/Fixtures.h"
#include "support/TempFiles.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int KeepSelection = -99;

QStringList Items(const QComboBox *c)
{
    QStringList items;
    for (int i = 0; i < c->count(); ++i)
        items.append(c->itemText(i));
    return items;
}

void Click(QWidget *dialog, const char *button)
{
    auto *b = dialog->findChild<QPushButton *>(QString::fromLatin1(button));
    QVERIFY(b);
    b->click();
}

} // namespace

class TstLangDialogs : public QObject {
    Q_OBJECT

private slots:
    void setLanguage_data()
    {
        QTest::addColumn<QString>("settings");     // SysInfo.Ini; null: no file
        QTest::addColumn<QString>("name");         // LanguageName
        QTest::addColumn<int>("index");            // LanguageIndex
        QTest::addColumn<QString>("languageFile"); // file of name; null: none
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("selected");         // right after showing
        QTest::addColumn<int>("choose");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<int>("newIndex");
        QTest::addColumn<bool>("changed");

        const QString none;
        const QStringList builtIn{"中文", "英文"};
        const QString builtInLabel = "Language Mode: ";
        const QString both = "[SysInfo]\nLanguage=English|Chinese\nEnglish=English|Chinese\n"
                             "Chinese=英文|中文\n";
        const QString chineseFile = "[fSetLanguage]\nfSetLanguage.Caption=语言设置\n"
                                    "lbName.Caption=语言：\ncbLanguage.0=X\ncbLanguage.1=Y\n";

        QTest::newRow("defaults: choosing the second")
            << none << "Chinese" << 0 << none << builtIn << 0 << 1 << true << builtInLabel
            << "English" << 1 << true;
        QTest::newRow("the current language again changes nothing")
            << none << "Chinese" << 0 << none << builtIn << 0 << 0 << true << builtInLabel
            << "Chinese" << 0 << false;
        QTest::newRow("Cancel changes nothing")
            << none << "Chinese" << 0 << none << builtIn << 0 << 1 << false << builtInLabel
            << "Chinese" << 0 << false;
        QTest::newRow("names in the current language, translated, list kept")
            << both << "Chinese" << 1 << chineseFile << QStringList{"英文", "中文"} << 1 << 0 << true
            << "语言：" << "English" << 0 << true;
        QTest::newRow("index 0 keeps the built-in texts")
            << both << "English" << 0 << "[fSetLanguage]\nlbName.Caption=Lang T\n"
            << QStringList{"English", "Chinese"} << 0 << 1 << true << builtInLabel << "Chinese" << 1
            << true;
        QTest::newRow("the hidden file name list is translated")
            << both << "Chinese" << 1 << "[fSetLanguage]\nLanguage.0=Deutsch\n"
            << QStringList{"英文", "中文"} << 1 << 0 << true << builtInLabel << "Deutsch" << 0 << true;
        QTest::newRow("a display name without a file name changes nothing")
            << "[SysInfo]\nLanguage=English\nEnglish=English|Chinese\n" << "English" << 0 << none
            << QStringList{"English", "Chinese"} << 0 << 1 << true << builtInLabel << "English" << 0
            << false;
        QTest::newRow("an index beyond the list selects nothing")
            << both << "" << 5 << none << builtIn << -1 << KeepSelection << true << builtInLabel << ""
            << 5 << false;
        QTest::newRow("a final | adds no language")
            << "[SysInfo]\nLanguage=English|Chinese|\nEnglish=English|Chinese|\n" << "English" << 0
            << none << QStringList{"English", "Chinese"} << 0 << 1 << true << builtInLabel << "Chinese"
            << 1 << true;
    }

    void setLanguage()
    {
        QFETCH(QString, settings);
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, languageFile);
        QFETCH(QStringList, shown);
        QFETCH(int, selected);
        QFETCH(int, choose);
        QFETCH(bool, ok);
        QFETCH(QString, label);
        QFETCH(QString, newName);
        QFETCH(int, newIndex);
        QFETCH(bool, changed);

        QTemporaryDir dir;
        TALL all;
        all.AppFolder = dir.path() + u'/';
        all.LanguageName = name;
        all.LanguageIndex = index;
        const QString settingsPath = all.AppFolder + "SysInfo.Ini";
        if (!settings.isNull())
            WriteBytes(settingsPath, settings.toUtf8());
        if (!languageFile.isNull())
            WriteBytes(all.AppFolder + name + ".Ini", languageFile.toUtf8());

        TfSetLanguage dialog(all, settingsPath);
        dialog.show();
        auto *cbLanguage = dialog.findChild<QComboBox *>("cbLanguage");
        QVERIFY(cbLanguage);
        QCOMPARE(Items(cbLanguage), shown);
        QCOMPARE(cbLanguage->currentIndex(), selected);
        QCOMPARE(dialog.findChild<QLabel *>("lbName")->text(), label);
        QVERIFY(!dialog.LanguageChanged());

        if (choose != KeepSelection)
            cbLanguage->setCurrentIndex(choose);
        Click(&dialog, ok ? "btnOk" : "btnCancel");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(all.LanguageName, newName);
        QCOMPARE(all.LanguageIndex, newIndex);
        QCOMPARE(dialog.LanguageChanged(), changed);
    }

    void setLanguageShowsAfresh()
    {
        QTemporaryDir dir;
        TALL all;
        all.AppFolder = dir.path() + u'/';
        all.LanguageName = "Chinese";
        TfSetLanguage dialog(all, all.AppFolder + "SysInfo.Ini");
        dialog.show();
        dialog.findChild<QComboBox *>("cbLanguage")->setCurrentIndex(1);
        Click(&dialog, "btnOk");
        QVERIFY(dialog.LanguageChanged());
        // Shown again: the list is read again, not appended to, and the
        // change flag starts over.
        dialog.show();
        QCOMPARE(Items(dialog.findChild<QComboBox *>("cbLanguage")), (QStringList{"中文", "英文"}));
        QCOMPARE(dialog.findChild<QComboBox *>("cbLanguage")->currentIndex(), 1);
        QVERIFY(!dialog.LanguageChanged());
    }

    void model_data()
    {
        QTest::addColumn<int>("modelPosition");
        QTest::addColumn<QString>("modelName"); // null: as selected
        QTest::addColumn<QString>("bandText");  // null: the model's default band
        QTest::addColumn<QString>("shownModel");
        QTest::addColumn<QString>("shownBand");
        QTest::addColumn<QString>("choose");    // model to choose; empty: none
        QTest::addColumn<QString>("bandAfterChoice");
        QTest::addColumn<int>("bandCount");
        QTest::addColumn<bool>("ok");

        const QString same;
        QTest::newRow("opens on the current model and band")
            << 0 << same << same << "Orvel(UHF)" << "450 - 470MHz" << "" << "450 - 470MHz" << 9 << true;
        QTest::newRow("another model shows its default band")
            << 0 << same << same << "Orvel(UHF)" << "450 - 470MHz" << "Orvel(VHF)" << "150 - 174MHz"
            << 4 << true;
        QTest::newRow("back to the first model: its default band")
            << 1 << same << same << "Orvel(VHF)" << "150 - 174MHz" << "Orvel(UHF)" << "450 - 470MHz"
            << 9 << true;
        QTest::newRow("a band of the other model shows the first band")
            << 0 << same << "150 - 174MHz" << "Orvel(UHF)" << "350 - 370MHz" << "" << "350 - 370MHz"
            << 9 << true;
        QTest::newRow("the fallback band shows the first band")
            << 0 << same << " 27 -  72MHz" << "Orvel(UHF)" << "350 - 370MHz" << "" << "350 - 370MHz"
            << 9 << true;
        QTest::newRow("a model name not in the catalogue shows the first model")
            << 1 << "Orvel(X)" << "150 - 174MHz" << "Orvel(UHF)" << "350 - 370MHz" << ""
            << "350 - 370MHz" << 9 << true;
        QTest::newRow("Cancel") << 0 << same << same << "Orvel(UHF)" << "450 - 470MHz" << "Orvel(VHF)"
                                << "150 - 174MHz" << 4 << false;
    }

    void model()
    {
        QFETCH(int, modelPosition);
        QFETCH(QString, modelName);
        QFETCH(QString, bandText);
        QFETCH(QString, shownModel);
        QFETCH(QString, shownBand);
        QFETCH(QString, choose);
        QFETCH(QString, bandAfterChoice);
        QFETCH(int, bandCount);
        QFETCH(bool, ok);

        auto ws = NewWorkspace(modelPosition);
        if (!modelName.isNull())
            ws->All.ModelName = modelName;
        if (!bandText.isNull())
            SelectBand(ws->All, bandText);
        const TALL before = ws->All;

        TfModel dialog(*ws);
        dialog.show();
        auto *cbCopmut = dialog.findChild<QComboBox *>("cbCopmut");
        auto *cbPd = dialog.findChild<QComboBox *>("cbPd");
        QCOMPARE(Items(cbCopmut), (QStringList{"Orvel(UHF)", "Orvel(VHF)"}));
        QCOMPARE(dialog.ModelText(), shownModel);
        QCOMPARE(dialog.BandText(), shownBand);

        if (!choose.isEmpty())
            cbCopmut->setCurrentIndex(cbCopmut->findText(choose));
        QCOMPARE(dialog.BandText(), bandAfterChoice);
        QCOMPARE(cbPd->count(), bandCount);
        QVERIFY(!dialog.IsAccepted());

        Click(&dialog, ok ? "btnOk" : "btnCancel");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.IsAccepted(), ok);
        QCOMPARE(dialog.ModelText(), choose.isEmpty() ? shownModel : choose);
        // Applying the choice is the main window's job: the dialog changes
        // no state.
        QCOMPARE(ws->All.ModelName, before.ModelName);
        QCOMPARE(ws->All.BandText, before.BandText);
        QCOMPARE(ws->All.CurrentModel, before.CurrentModel);
    }

    void modelAcceptedStartsOverWhenShown()
    {
        auto ws = NewWorkspace();
        TfModel dialog(*ws);
        dialog.show();
        Click(&dialog, "btnOk");
        QVERIFY(dialog.IsAccepted());
        dialog.show();
        QVERIFY(!dialog.IsAccepted());
    }

    void modelTranslation_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("label");
        QTest::newRow("index above 0 translates") << 1 << "机型信息" << "机型：";
        QTest::newRow("index 0 keeps the built-in texts") << 0 << "Model Information" << "Model Type: ";
    }

    void modelTranslation()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QString, label);
        QTemporaryDir dir;
        auto ws = NewWorkspace();
        ws->All.AppFolder = dir.path() + u'/';
        ws->All.LanguageName = "Chinese";
        ws->All.LanguageIndex = index;
        WriteBytes(ws->All.AppFolder + "Chinese.Ini",
                   QString("[fModel]\nfModel.Caption=机型信息\nLabel1.Caption=机型：\n"
                           "cbCopmut.0=X\ncbPd.0=Y\n").toUtf8());
        TfModel dialog(*ws);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), caption);
        QCOMPARE(dialog.findChild<QLabel *>("Label1")->text(), label);
        // The lists are never translated.
        QCOMPARE(dialog.ModelText(), QString("Orvel(UHF)"));
        QCOMPARE(Items(dialog.findChild<QComboBox *>("cbCopmut")).first(), QString("Orvel(UHF)"));
        QCOMPARE(dialog.BandText(), QString("450 - 470MHz"));
    }
};

QTEST_MAIN(TstLangDialogs)
#include "tst_langdialogs.moc"

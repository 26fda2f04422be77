// The state of the shared objects after start-up, before the main window.

#include "support/TempFiles.h"
#include "core/Maindb.h"
#include "core/Settings.h"
#include "core/Workspace.h"

#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void emptyProgramFolder()
    {
        QTemporaryDir app;
        TWorkspace ws;
        DataModuleCreate(ws, app.path());
        const TALL &all = ws.All;

        QCOMPARE(all.AppFolder, app.path() + u'/');
        QCOMPARE(all.LanguageIndex, 0);
        QCOMPARE(all.LanguageName, QStringLiteral("Chinese"));
        QCOMPARE(all.PortName, QStringLiteral("Com1"));
        QCOMPARE(all.HelpPrefix, QStringLiteral("QN"));
        QCOMPARE(all.PicId, 1);
        QCOMPARE(all.ProductTitle, QStringLiteral("Orvel"));
        QVERIFY(!all.TestOnlineVisible);
        QVERIFY(!all.Refreshing);
        QVERIFY(!all.Modified);

        // No model and no band until the main window shows.
        QVERIFY(!all.CurrentModel);
        QCOMPARE(all.ChannelCount, 0);
        QVERIFY(all.ModelName.isEmpty());
        QVERIFY(all.BandText.isEmpty());

        QCOMPARE(ws.Models.Count(), 2);
        QCOMPARE(ws.Bands.Count(), 14);
        TLanguage builtIn;
        SetBuiltInMessages(builtIn);
        for (const TMessageKey &k : MessageKeys())
            QCOMPARE(ws.Language.*k.field, builtIn.*k.field);

        // Start-up only reads.
        QCOMPARE(QDir(app.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{});
    }

    // A language is taken only when the settings file lists it and its file
    // is there; otherwise nothing changes.
    void useLanguage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("taken");
        QTest::newRow("listed, file present") << QStringLiteral("Chinese") << true;
        QTest::newRow("not listed") << QStringLiteral("Klingon") << false;
        QTest::newRow("listed, file missing") << QStringLiteral("French") << false;
    }
    void useLanguage()
    {
        QFETCH(QString, name);
        QFETCH(bool, taken);
        QTemporaryDir app;
        const QString ini = app.filePath(QStringLiteral("SysInfo.Ini"));
        WriteBytes(ini, "[SysInfo]\r\nDefaultLanguage=0\r\nLanguage=English|Chinese|French\r\n");
        WriteBytes(app.filePath(QStringLiteral("English.Ini")), "[Language]\r\nOpen=On\r\n");
        WriteBytes(app.filePath(QStringLiteral("Chinese.Ini")), "[Language]\r\nOpen=Kai\r\n");
        TWorkspace ws;
        DataModuleCreate(ws, app.path() + u'/', TSettingsPaths{ini, ini});
        QCOMPARE(ws.Language.Open, QStringLiteral("On"));

        QString error;
        QCOMPARE(UseLanguage(ws, ini, name, &error), taken);
        QCOMPARE(error.isEmpty(), taken);
        QCOMPARE(ws.All.LanguageName, taken ? name : QStringLiteral("English"));
        QCOMPARE(ws.Language.Open, taken ? QStringLiteral("Kai") : QStringLiteral("On"));
    }

    void settingsChooseTheLanguageFile()
    {
        QTemporaryDir app;
        WriteBytes(app.filePath(QStringLiteral("SysInfo.Ini")),
                   "[SysInfo]\r\nCom=COM4\r\nDefaultLanguage=1\r\nPicID=3\r\nHelp=HX\r\n");
        WriteBytes(app.filePath(QStringLiteral("English.Ini")), "[Language]\r\nConfirmation=Note\r\n");
        WriteBytes(app.filePath(QStringLiteral("Chinese.Ini")), "[Language]\r\nConfirmation=Wrong file\r\n");

        TWorkspace ws;
        const QString folder = app.path() + u'/';
        DataModuleCreate(ws, folder, ResolveSettingsPaths(folder, QString(), true));
        QCOMPARE(ws.All.PortName, QStringLiteral("COM4"));
        QCOMPARE(ws.All.LanguageIndex, 1);
        QCOMPARE(ws.All.LanguageName, QStringLiteral("English"));
        QCOMPARE(ws.All.PicId, 4);
        QCOMPARE(ws.All.HelpPrefix, QStringLiteral("HX"));
        QCOMPARE(ws.Language.Confirmation, QStringLiteral("Note"));
        QCOMPARE(ws.Language.ExitProgram, QStringLiteral("确定要退出系统？"));
    }

    void appFolderOf_data()
    {
        QTest::addColumn<QString>("programPath");
        QTest::addColumn<QString>("folder");
        QTest::newRow("Unix path") << "/opt/orvel/bin/orvel" << "/opt/orvel/bin/";
#ifdef Q_OS_WIN
        QTest::newRow("Windows path with backslashes")
            << "C:\\Program Files\\Orvel\\Orvel.exe" << "C:/Program Files/Orvel/";
#endif
        QTest::newRow("program in the root folder") << "/orvel" << "/";
        QTest::newRow("bare file name") << "orvel" << "";
    }
    void appFolderOf()
    {
        QFETCH(QString, programPath);
        QFETCH(QString, folder);
        QCOMPARE(AppFolderOf(programPath), folder);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"

// The settings file: what start-up reads from it, what exit writes back,
// the language list and where the file lives.

#include "support/TempFiles.h"
#include "core/AppState.h"
#include "core/IniFile.h"
#include "core/Settings.h"

#include <QTemporaryDir>
#include <QtTest>

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // The settings file path, holding content; no file when content is null.
    QString SettingsWith(const QByteArray &content)
    {
        const QString path = dir.filePath(QStringLiteral("SysInfo.Ini"));
        QFile::remove(path);
        if (!content.isNull())
            WriteBytes(path, content);
        return path;
    }

    static QString Value(const QString &path, const char *key)
    {
        TIniFile ini(path);
        ini.Load();
        return ini.ReadString(QStringLiteral("SysInfo"), QString::fromLatin1(key), QStringLiteral("<none>"));
    }

private slots:
    void load_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("portName");
        QTest::addColumn<int>("languageIndex");
        QTest::addColumn<QString>("languageName");
        QTest::addColumn<QString>("helpPrefix");
        QTest::addColumn<int>("picId");

        QTest::newRow("no file gives the defaults")
            << QByteArray() << "Com1" << 0 << "Chinese" << "QN" << 1;
        QTest::newRow("empty file gives the defaults")
            << QByteArray("") << "Com1" << 0 << "Chinese" << "QN" << 1;
        QTest::newRow("every key as written, names in any case")
            << QByteArray("[sysinfo]\r\ncom=COM3\r\nDEFAULTLANGUAGE=1\r\nHelp=XY\r\nPicId=7\r\n"
                          "Language=Chinese|English|German\r\n")
            << "COM3" << 1 << "English" << "XY" << 8;
        QTest::newRow("index 1 of the default list")
            << QByteArray("[SysInfo]\nDefaultLanguage=1\n") << "Com1" << 1 << "English" << "QN" << 1;
        QTest::newRow("index past the default list")
            << QByteArray("[SysInfo]\nDefaultLanguage=2\n") << "Com1" << 2 << "" << "QN" << 1;
        QTest::newRow("negative index")
            << QByteArray("[SysInfo]\nDefaultLanguage=-1\n") << "Com1" << -1 << "" << "QN" << 1;
        QTest::newRow("index not a number")
            << QByteArray("[SysInfo]\nDefaultLanguage=x\n") << "Com1" << 0 << "Chinese" << "QN" << 1;
        QTest::newRow("index beyond 32 bits")
            << QByteArray("[SysInfo]\nDefaultLanguage=4294967297\n") << "Com1" << 0 << "Chinese" << "QN" << 1;
        QTest::newRow("final bar adds no language")
            << QByteArray("[SysInfo]\nDefaultLanguage=2\nLanguage=English|Chinese|\n")
            << "Com1" << 2 << "" << "QN" << 1;
        QTest::newRow("empty item between two bars")
            << QByteArray("[SysInfo]\nDefaultLanguage=1\nLanguage=English||Chinese\n")
            << "Com1" << 1 << "" << "QN" << 1;
        QTest::newRow("item after an empty one")
            << QByteArray("[SysInfo]\nDefaultLanguage=2\nLanguage=English||Chinese\n")
            << "Com1" << 2 << "Chinese" << "QN" << 1;
        QTest::newRow("empty language list")
            << QByteArray("[SysInfo]\nLanguage=\n") << "Com1" << 0 << "" << "QN" << 1;
        QTest::newRow("PicID not a number")
            << QByteArray("[SysInfo]\nPicID=x\n") << "Com1" << 0 << "Chinese" << "QN" << 1;
        QTest::newRow("negative PicID")
            << QByteArray("[SysInfo]\nPicID=-5\n") << "Com1" << 0 << "Chinese" << "QN" << -4;
        QTest::newRow("PicID whose successor does not fit")
            << QByteArray("[SysInfo]\nPicID=2147483647\n") << "Com1" << 0 << "Chinese" << "QN" << 1;
        QTest::newRow("empty Com is kept empty")
            << QByteArray("[SysInfo]\nCom=\n") << "" << 0 << "Chinese" << "QN" << 1;
        QTest::newRow("keys of another section are ignored")
            << QByteArray("[Other]\nCom=COM9\nDefaultLanguage=1\n") << "Com1" << 0 << "Chinese" << "QN" << 1;
    }
    void load()
    {
        QFETCH(QByteArray, content);
        TALL all;
        LoadSettings(all, SettingsWith(content));
        QTEST(all.PortName, "portName");
        QTEST(all.LanguageIndex, "languageIndex");
        QTEST(all.LanguageName, "languageName");
        QTEST(all.HelpPrefix, "helpPrefix");
        QTEST(all.PicId, "picId");
    }

    void loadThenSave_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("defaultLanguage");
        QTest::addColumn<QString>("picId");

        QTest::newRow("negative index written back")
            << QByteArray("[SysInfo]\nDefaultLanguage=-1\n") << "-1" << "0";
        QTest::newRow("index not a number written back as 0")
            << QByteArray("[SysInfo]\nDefaultLanguage=x\n") << "0" << "0";
        QTest::newRow("PicID written back unchanged")
            << QByteArray("[SysInfo]\nPicID=7\n") << "0" << "7";
        QTest::newRow("PicID not a number written back as 0")
            << QByteArray("[SysInfo]\nPicID=x\n") << "0" << "0";
        QTest::newRow("lowest PicID written back unchanged")
            << QByteArray("[SysInfo]\nPicID=-2147483648\n") << "0" << "-2147483648";
    }
    void loadThenSave()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, defaultLanguage);
        QFETCH(QString, picId);
        const QString path = SettingsWith(content);
        TALL all;
        LoadSettings(all, path);
        QString error;
        QVERIFY2(SaveSettings(all, {path, path}, &error), qPrintable(error));
        QCOMPARE(Value(path, "DefaultLanguage"), defaultLanguage);
        QCOMPARE(Value(path, "PicID"), picId);
        QCOMPARE(Value(path, "Com"), QStringLiteral("Com1"));
    }

    void saveWithoutFileWritesThreeKeys()
    {
        const QString path = SettingsWith(QByteArray());
        TALL all;
        LoadSettings(all, path);
        QVERIFY(SaveSettings(all, {path, path}));
        const QByteArray eol = NativeEol();
        QCOMPARE(ReadBytes(path), "[SysInfo]" + eol + "Com=Com1" + eol + "DefaultLanguage=0" + eol
                                      + "PicID=0" + eol);
    }

    void saveWritesTheStateAndKeepsTheRest()
    {
        const QString path = SettingsWith("[SysInfo]\r\n; shipped with the program\r\nCom=Com1\r\n"
                                          "Help=XY\r\nLanguage=Chinese|English\r\nEnglish=Chinese|English\r\n");
        TALL all;
        LoadSettings(all, path);
        all.PortName = QStringLiteral("/dev/ttyUSB0");
        all.LanguageIndex = 1;
        all.HelpPrefix = QStringLiteral("never written");
        QVERIFY(SaveSettings(all, {path, path}));
        QCOMPARE(ReadBytes(path), QByteArray("[SysInfo]\r\n; shipped with the program\r\nCom=/dev/ttyUSB0\r\n"
                                             "Help=XY\r\nLanguage=Chinese|English\r\nEnglish=Chinese|English\r\n"
                                             "DefaultLanguage=1\r\nPicID=0\r\n"));
    }

    void failedSaveReportsThePath()
    {
        const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
        WriteBytes(blocker, "x");
        const QString path = blocker + QStringLiteral("/SysInfo.Ini");
        TALL all;
        QString error;
        QVERIFY(!SaveSettings(all, {path, path}, &error));
        QCOMPARE(error, "Unable to write to " + QDir::toNativeSeparators(path));
    }

    void languageList_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("languageName");
        QTest::addColumn<QStringList>("displayNames");
        QTest::addColumn<QStringList>("fileNames");

        const QStringList defaultDisplay{QStringLiteral("中文"), QStringLiteral("英文")};
        QTest::newRow("no file gives both defaults")
            << QByteArray() << "Chinese" << defaultDisplay << QStringList{"Chinese", "English"};
        QTest::newRow("final bar adds no entry")
            << QByteArray("[SysInfo]\nLanguage=English|Chinese|\nEnglish=English|Chinese|\n") << "English"
            << QStringList{"English", "Chinese"} << QStringList{"English", "Chinese"};
        QTest::newRow("display names under the current language's key, any case")
            << QByteArray("[SysInfo]\nLanguage=Chinese|English\nENGLISH=Chinese|English\n") << "English"
            << QStringList{"Chinese", "English"} << QStringList{"Chinese", "English"};
        QTest::newRow("absent display key gives the default whatever the list")
            << QByteArray("[SysInfo]\nLanguage=A|B|C\n") << "A"
            << defaultDisplay << QStringList{"A", "B", "C"};
        QTest::newRow("empty language name gives the default display names")
            << QByteArray("[SysInfo]\nLanguage=A|B\n") << ""
            << defaultDisplay << QStringList{"A", "B"};
        QTest::newRow("lists of different length are kept as they are")
            << QByteArray("[SysInfo]\nLanguage=A||B\nA=x\n") << "A"
            << QStringList{"x"} << QStringList{"A", "", "B"};
    }
    // Both lists are appended to, never emptied.
    void languageList()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, languageName);
        QFETCH(QStringList, displayNames);
        QFETCH(QStringList, fileNames);
        QStringList display{QStringLiteral("kept")};
        QStringList files{QStringLiteral("kept")};
        LoadLanguageList(SettingsWith(content), languageName, display, files);
        QCOMPARE(display, QStringList{"kept"} + displayNames);
        QCOMPARE(files, QStringList{"kept"} + fileNames);
    }

    void splitListValue_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("empty value has no item") << "" << QStringList{};
        QTest::newRow("one item") << "A" << QStringList{"A"};
        QTest::newRow("final bar adds nothing") << "A|B|" << QStringList{"A", "B"};
        QTest::newRow("two bars make an empty item") << "A||B" << QStringList{"A", "", "B"};
        QTest::newRow("leading bar makes an empty item") << "|A" << QStringList{"", "A"};
        QTest::newRow("a bar alone is one empty item") << "|" << QStringList{""};
        QTest::newRow("blanks are kept") << " A | B" << QStringList{" A ", " B"};
    }
    void splitListValue()
    {
        QFETCH(QString, value);
        QFETCH(QStringList, items);
        QCOMPARE(SplitListValue(value), items);
    }

    void resolvePaths_data()
    {
        QTest::addColumn<bool>("appWritable");
        QTest::addColumn<bool>("userFolderKnown");
        QTest::addColumn<bool>("userCopyExists");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("write");
        QTest::newRow("writable program folder") << true << true << true << "app" << "app";
        QTest::newRow("installed, first run reads the shipped file") << false << true << false << "app" << "user";
        QTest::newRow("installed, later runs read the user's copy") << false << true << true << "user" << "user";
        QTest::newRow("installed, no user folder on this system") << false << false << false << "app" << "app";
    }
    void resolvePaths()
    {
        QFETCH(bool, appWritable);
        QFETCH(bool, userFolderKnown);
        QFETCH(bool, userCopyExists);
        QFETCH(QString, read);
        QFETCH(QString, write);
        QTemporaryDir root;
        const QString app = root.filePath(QStringLiteral("app")) + u'/';
        const QString user = root.filePath(QStringLiteral("user")); // no final "/"
        WriteBytes(app + "SysInfo.Ini", "[SysInfo]\n");
        if (userCopyExists)
            WriteBytes(user + "/SysInfo.Ini", "[SysInfo]\n");
        const TSettingsPaths paths = ResolveSettingsPaths(app, userFolderKnown ? user : QString(), appWritable);
        const auto expected = [&](const QString &which) {
            return (which == u"app" ? app : user + u'/') + QStringLiteral("SysInfo.Ini");
        };
        QCOMPARE(paths.readPath, expected(read));
        QCOMPARE(paths.writePath, expected(write));
    }

    // An installed program's first save starts the user's copy from the
    // shipped file, which stays as it was; the next start reads the copy.
    void firstSaveOfAnInstalledProgram()
    {
        QTemporaryDir root;
        const QString app = root.filePath(QStringLiteral("app/"));
        const QString user = root.filePath(QStringLiteral("config/orvel"));
        const QByteArray shipped("[SysInfo]\r\nCom=Com1\r\nHelp=XY\r\nLanguage=A|B|C\r\nDefaultLanguage=2\r\n");
        WriteBytes(app + "SysInfo.Ini", shipped);

        TALL all;
        TSettingsPaths paths = ResolveSettingsPaths(app, user, false);
        LoadSettings(all, paths.readPath);
        QCOMPARE(all.LanguageName, QStringLiteral("C"));
        all.PortName = QStringLiteral("COM7");
        QVERIFY(SaveSettings(all, paths));
        QCOMPARE(ReadBytes(app + "SysInfo.Ini"), shipped);

        paths = ResolveSettingsPaths(app, user, false);
        QCOMPARE(paths.readPath, user + "/SysInfo.Ini");
        TALL next;
        LoadSettings(next, paths.readPath);
        QCOMPARE(next.PortName, QStringLiteral("COM7"));
        QCOMPARE(next.HelpPrefix, QStringLiteral("XY"));
        QCOMPARE(next.LanguageName, QStringLiteral("C"));
    }

    void writableProgramFolderIsUsedAndLeftClean()
    {
        QTemporaryDir app;
        const TSettingsPaths paths = SettingsPathsFor(app.path() + u'/');
        QCOMPARE(paths.readPath, app.filePath(QStringLiteral("SysInfo.Ini")));
        QCOMPARE(paths.writePath, paths.readPath);
        QCOMPARE(QDir(app.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{});
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"

// The INI file service: the Windows private-profile reading rules, writes
// that leave every other byte alone, UTF-8/GBK files and safe saving.

#include "support/TempFiles.h"
#include "core/IniFile.h"
#include "core/TextEncoding.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// 中文, 注意 and 设置 in GBK.
const QByteArray kGbkChinese("\xD6\xD0\xCE\xC4");
const QByteArray kGbkCaution("\xD7\xA2\xD2\xE2");
const QByteArray kGbkSettings("\xC9\xE8\xD6\xC3");

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString PathWith(const QByteArray &content)
    {
        const QString path = dir.filePath(QStringLiteral("test.ini"));
        WriteBytes(path, content);
        return path;
    }

private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        QTest::newRow("names match without regard to case")
            << QByteArray("[SysInfo]\nCom=COM3\n") << "SYSINFO" << "com" << "COM3";
        QTest::newRow("blanks and tabs trimmed around name and value")
            << QByteArray("[S]\n \tKey \t=  value with blanks \t\n") << "S" << "Key" << "value with blanks";
        QTest::newRow("blanks around the section name")
            << QByteArray("  [ S ]  \nKey=v\n") << "S" << "Key" << "v";
        QTest::newRow("double quotes removed, inner blanks kept")
            << QByteArray("[S]\nKey = \" a b \" \n") << "S" << "Key" << " a b ";
        QTest::newRow("single quotes removed")
            << QByteArray("[S]\nKey='x'\n") << "S" << "Key" << "x";
        QTest::newRow("only one pair of quotes removed")
            << QByteArray("[S]\nKey=\"\"x\"\"\n") << "S" << "Key" << "\"x\"";
        QTest::newRow("unbalanced quote kept")
            << QByteArray("[S]\nKey=\"x\n") << "S" << "Key" << "\"x";
        QTest::newRow("mixed quotes kept")
            << QByteArray("[S]\nKey=\"x'\n") << "S" << "Key" << "\"x'";
        QTest::newRow("value is everything after the first =")
            << QByteArray("[S]\nKey=a=b\n") << "S" << "Key" << "a=b";
        QTest::newRow("empty value is not the default")
            << QByteArray("[S]\nKey=\n") << "S" << "Key" << "";
        QTest::newRow("full-width space is part of the value")
            << QByteArray("[S]\nKey=\xE3\x80\x80x\n") << "S" << "Key" << QStringLiteral("\u3000x");
        QTest::newRow("missing key gives the default")
            << QByteArray("[S]\nOther=1\n") << "S" << "Key" << "default";
        QTest::newRow("missing section gives the default")
            << QByteArray("[T]\nKey=1\n") << "S" << "Key" << "default";
        QTest::newRow("key of the next section is not found")
            << QByteArray("[S]\n[T]\nKey=1\n") << "S" << "Key" << "default";
        QTest::newRow("key before any section belongs to none")
            << QByteArray("Key=1\n[S]\n") << "S" << "Key" << "default";
        QTest::newRow("comment line is not a key")
            << QByteArray("[S]\n;Key=1\n  ; Key=2\n") << "S" << "Key" << "default";
        QTest::newRow("line without = is not a key")
            << QByteArray("[S]\nKey\n") << "S" << "Key" << "default";
        QTest::newRow("first of two keys counts")
            << QByteArray("[S]\nKey=1\nKEY=2\n") << "S" << "Key" << "1";
        QTest::newRow("first of two sections counts")
            << QByteArray("[S]\nKey=1\n[s]\nKey=2\n") << "S" << "Key" << "1";
        QTest::newRow("CRLF line ends are not part of the value")
            << QByteArray("[S]\r\nKey=v\r\n") << "S" << "Key" << "v";
        QTest::newRow("CR-only line ends")
            << QByteArray("[S]\rKey=v\r") << "S" << "Key" << "v";
        QTest::newRow("last line without line end")
            << QByteArray("[S]\nKey=v") << "S" << "Key" << "v";
        QTest::newRow("UTF-8 BOM before the first section")
            << QByteArray("\xEF\xBB\xBF[S]\nKey=\xE4\xB8\xAD\n") << "S" << "Key" << QStringLiteral("中");
        QTest::newRow("empty key name gives the default")
            << QByteArray("[S]\n=v\n") << "S" << "" << "default";
    }
    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        TIniFile ini(PathWith(content));
        QVERIFY(ini.Load());
        QCOMPARE(ini.ReadString(section, key, QStringLiteral("default")), expected);
    }

    void missingFileReadsDefaults()
    {
        TIniFile ini(dir.filePath(QStringLiteral("absent.ini")));
        QVERIFY(ini.Load());
        QCOMPARE(ini.ReadString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("d")),
                 QStringLiteral("d"));
    }

    void write_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("replace keeps comments and CRLF of the other lines")
            << QByteArray("; shipped\r\n[SysInfo]\r\nCom=Com1\r\nHelp=QN\r\n\r\n")
            << "sysinfo" << "COM" << "COM3"
            << QByteArray("; shipped\r\n[SysInfo]\r\nCom=COM3\r\nHelp=QN\r\n\r\n");
        QTest::newRow("replace keeps the key's spelling and blanks")
            << QByteArray("[S]\n  KEY = \"old\"\n") << "S" << "key" << "new"
            << QByteArray("[S]\n  KEY = new\n");
        QTest::newRow("replace in the first of two sections")
            << QByteArray("[S]\nk=1\n[S]\nk=2\n") << "S" << "k" << "3"
            << QByteArray("[S]\nk=3\n[S]\nk=2\n");
        QTest::newRow("add key after the section's last line, before blank lines")
            << QByteArray("[A]\nx=1\n\n[B]\ny=2\n") << "A" << "z" << "3"
            << QByteArray("[A]\nx=1\nz=3\n\n[B]\ny=2\n");
        QTest::newRow("commented key stays a comment")
            << QByteArray("[S]\n;k=1\n") << "S" << "k" << "2"
            << QByteArray("[S]\n;k=1\nk=2\n");
        QTest::newRow("add section at the end with the file's CRLF")
            << QByteArray("[A]\r\nx=1\r\n") << "B" << "k" << "v"
            << QByteArray("[A]\r\nx=1\r\n[B]\r\nk=v\r\n");
        QTest::newRow("last line without line end gets the file's")
            << QByteArray("[A]\r\nx=1") << "A" << "y" << "2"
            << QByteArray("[A]\r\nx=1\r\ny=2\r\n");
        QTest::newRow("mixed line ends kept, added line takes the first")
            << QByteArray("[S]\r\na=1\nb=2\r\n") << "S" << "c" << "3"
            << QByteArray("[S]\r\na=1\nb=2\r\nc=3\r\n");
        QTest::newRow("value with blanks at the ends is quoted")
            << QByteArray("[S]\n") << "S" << "k" << " v "
            << QByteArray("[S]\nk=\" v \"\n");
        QTest::newRow("quoted value is quoted again")
            << QByteArray("[S]\n") << "S" << "k" << "\"v\""
            << QByteArray("[S]\nk=\"\"v\"\"\n");
        QTest::newRow("empty value")
            << QByteArray("[S]\nk=1\n") << "S" << "k" << ""
            << QByteArray("[S]\nk=\n");
        QTest::newRow("Chinese value into a UTF-8 file with BOM")
            << QByteArray("\xEF\xBB\xBF[S]\nk=1\n") << "S" << "k" << QStringLiteral("中文")
            << QByteArray("\xEF\xBB\xBF[S]\nk=\xE4\xB8\xAD\xE6\x96\x87\n");
    }
    // The file holds exactly the expected bytes, and reads back the value.
    void write()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        const QString path = PathWith(before);
        TIniFile ini(path);
        QVERIFY(ini.Load());
        QVERIFY2(ini.WriteString(section, key, value), qPrintable(ini.ErrorString()));
        QVERIFY2(ini.Save(), qPrintable(ini.ErrorString()));
        QCOMPARE(ReadBytes(path), after);

        TIniFile again(path);
        QVERIFY(again.Load());
        QCOMPARE(again.ReadString(section, key, QStringLiteral("default")), value);
    }

    void writeCreatesFileWithNativeLineEnds()
    {
        const QString path = dir.filePath(QStringLiteral("new.ini"));
        QFile::remove(path);
        TIniFile ini(path);
        QVERIFY(ini.Load());
        QVERIFY(ini.WriteString(QStringLiteral("SysInfo"), QStringLiteral("Com"), QStringLiteral("Com1")));
        QVERIFY(ini.WriteString(QStringLiteral("SysInfo"), QStringLiteral("PicID"), QStringLiteral("0")));
        QVERIFY(ini.Save());
        const QByteArray eol = NativeEol();
        QCOMPARE(ReadBytes(path), "[SysInfo]" + eol + "Com=Com1" + eol + "PicID=0" + eol);
    }

    void unwritableNamesAndValuesAreRefused_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("line break in a value would add a key") << "S" << "k" << "1\n[T]\nx=2";
        QTest::newRow("carriage return in a value") << "S" << "k" << "1\r";
        QTest::newRow("= in a key") << "S" << "a=b" << "1";
        QTest::newRow("empty key") << "S" << "" << "1";
        QTest::newRow("key that reads as a comment") << "S" << ";k" << "1";
        QTest::newRow("key that reads as a section") << "S" << "[k" << "1";
        QTest::newRow("key with blanks at the ends") << "S" << " k" << "1";
        QTest::newRow("] in a section") << "a]b" << "k" << "1";
        QTest::newRow("empty section") << "" << "k" << "1";
        QTest::newRow("line break in a section") << "S\n" << "k" << "1";
    }
    void unwritableNamesAndValuesAreRefused()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QByteArray before("[S]\nk=0\n");
        const QString path = PathWith(before);
        TIniFile ini(path);
        QVERIFY(ini.Load());
        QVERIFY(!ini.WriteString(section, key, value));
        QVERIFY(!ini.ErrorString().isEmpty());
        QVERIFY(ini.Save());
        QCOMPARE(ReadBytes(path), before);
    }

    // A language file made on a Chinese Windows: read as GBK, written back as
    // GBK, and a line that is neither GBK nor UTF-8 comes back byte for byte.
    void gbkFileKeepsItsEncoding()
    {
        if (!GbkSupported())
            QSKIP("this build reads GBK as Latin-1");
        const QByteArray before = "; " + kGbkSettings + " \xFF\xFE\r\n"
                                  "[Language]\r\n"
                                  "Confirmation=" + kGbkChinese + "\r\n"
                                  "ReadOk=" + kGbkSettings + "\r\n";
        const QString path = PathWith(before);
        TIniFile ini(path);
        QVERIFY(ini.Load());
        QCOMPARE(ini.Encoding(), TTextEncoding::Gbk);
        QCOMPARE(ini.ReadString(QStringLiteral("Language"), QStringLiteral("Confirmation"), {}),
                 QStringLiteral("中文"));
        QVERIFY(ini.WriteString(QStringLiteral("Language"), QStringLiteral("ReadOk"), QStringLiteral("注意")));
        QVERIFY(ini.WriteString(QStringLiteral("Language"), QStringLiteral("Caution"), QStringLiteral("注意")));
        QVERIFY(ini.Save());
        QCOMPARE(ReadBytes(path), "; " + kGbkSettings + " \xFF\xFE\r\n"
                                  "[Language]\r\n"
                                  "Confirmation=" + kGbkChinese + "\r\n"
                                  "ReadOk=" + kGbkCaution + "\r\n"
                                  "Caution=" + kGbkCaution + "\r\n");
    }

    void textOutsideGbkIsRefused()
    {
        if (!GbkSupported())
            QSKIP("this build reads GBK as Latin-1");
        const QByteArray before = "[S]\nk=" + kGbkChinese + "\n";
        const QString path = PathWith(before);
        TIniFile ini(path);
        QVERIFY(ini.Load());
        QVERIFY(!ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("\U0001F600")));
        QCOMPARE(ini.ReadString(QStringLiteral("S"), QStringLiteral("k"), {}), QStringLiteral("中文"));
        QVERIFY(ini.Save());
        QCOMPARE(ReadBytes(path), before);
    }

    void failedSaveReportsThePath()
    {
        const QString path = dir.filePath(QStringLiteral("no-such-folder/test.ini"));
        TIniFile ini(path);
        QVERIFY(ini.Load());
        QVERIFY(ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
        QVERIFY(!ini.Save());
        QCOMPARE(ini.ErrorString(), "Unable to write to " + QDir::toNativeSeparators(path));
        QVERIFY(!QFile::exists(path));
    }

    void failedSaveLeavesTheOldFile()
    {
        QTemporaryDir locked;
        const QString path = locked.filePath(QStringLiteral("test.ini"));
        const QByteArray before("[S]\r\nk=old\r\n");
        WriteBytes(path, before);
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner);
        const bool enforced = !QFile(locked.filePath(QStringLiteral("probe"))).open(QIODevice::WriteOnly);
        if (enforced) {
            TIniFile ini(path);
            QVERIFY(ini.Load());
            QVERIFY(ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("new")));
            QVERIFY(!ini.Save());
            QCOMPARE(ini.ErrorString(), "Unable to write to " + QDir::toNativeSeparators(path));
        }
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!enforced)
            QSKIP("folder permissions are not enforced for this user");
        QCOMPARE(ReadBytes(path), before);
        QCOMPARE(QDir(locked.path()).entryList(QDir::Files), QStringList{"test.ini"});
    }

    // A file that exists but cannot be read must not be replaced by the few
    // keys written into the empty document.
    void unreadableFileIsNeverReplaced()
    {
        const QString path = dir.filePath(QStringLiteral("a-folder.ini"));
        QVERIFY(QDir().mkpath(path));
        TIniFile ini(path);
        QVERIFY(!ini.Load());
        QCOMPARE(ini.ReadString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("d")),
                 QStringLiteral("d"));
        QVERIFY(ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
        const QString elsewhere = dir.filePath(QStringLiteral("elsewhere.ini"));
        QVERIFY(!ini.SaveAs(elsewhere));
        QCOMPARE(ini.ErrorString(), "Unable to write to " + QDir::toNativeSeparators(elsewhere));
        QVERIFY(!QFile::exists(elsewhere));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"

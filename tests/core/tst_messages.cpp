// Loading the message table from a language file.

#include "support/TempFiles.h"
#include "core/MessageTable.h"
#include "core/TextEncoding.h"
#include "localisation/Messages.h"

#include <QTemporaryDir>
#include <QtTest>

using Overrides = QMap<QString, QString>;
Q_DECLARE_METATYPE(Overrides)

class TestMessages : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // Every field holds its built-in text except the keys in overrides.
    static void VerifyTable(const TLanguage &table, const Overrides &overrides)
    {
        TLanguage builtIn;
        SetBuiltInMessages(builtIn);
        for (const TMessageKey &k : MessageKeys()) {
            const QString key = QString::fromLatin1(k.key);
            QCOMPARE(table.*k.field, overrides.value(key, builtIn.*k.field));
        }
    }

    // A table whose every field holds a stale text, as after an earlier load.
    static TLanguage StaleTable()
    {
        TLanguage table;
        for (const TMessageKey &k : MessageKeys())
            table.*k.field = QStringLiteral("stale");
        return table;
    }

    // The program folder; the test folder around it plays the outside.
    QString Folder() const { return dir.path() + QStringLiteral("/app/"); }

private slots:
    void load_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // of name + ".Ini"; null for no file
        QTest::addColumn<Overrides>("overrides");

        QTest::newRow("missing file gives every built-in text")
            << "Missing" << QByteArray() << Overrides{};
        QTest::newRow("partial file mixes file and built-in texts")
            << "English"
            << QByteArray("[language]\r\nconfirmation = Note\r\nReadOk=\"Read complete! \"\r\n"
                          ";WriteOk=Commented out\r\n[fMainFrm]\r\nExitProgram=Not a message\r\n")
            << Overrides{{"Confirmation", "Note"}, {"ReadOk", "Read complete! "}};
        QTest::newRow("empty value replaces the built-in text")
            << "Blank" << QByteArray("[Language]\nInfo=\n") << Overrides{{"Info", ""}};
        QTest::newRow("file without the section")
            << "Windows" << QByteArray("[fMainFrm]\nConfirmation=x\n") << Overrides{};
        QTest::newRow("the data file message loads like the others")
            << "Extra" << QByteArray("[Language]\nBadFile=Bad file\n") << Overrides{{"BadFile", "Bad file"}};
    }
    void load()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(Overrides, overrides);
        if (!content.isNull())
            WriteBytes(Folder() + name + ".Ini", content);
        TLanguage table = StaleTable();
        LoadMessages(table, Folder(), name);
        VerifyTable(table, overrides);
    }

    // Names that lead to no language file of the program folder load the
    // built-in texts, even when such a file is there.
    void namesWithoutLanguageFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty name, although a file named .Ini exists") << "";
        QTest::newRow("name leading out of the program folder") << "../Outside";
        QTest::newRow("name with a backslash") << "sub\\English";
    }
    void namesWithoutLanguageFile()
    {
        QFETCH(QString, name);
        const QByteArray content("[Language]\nConfirmation=From a file\n");
        WriteBytes(Folder() + ".Ini", content);
        WriteBytes(Folder() + "sub/English.Ini", content);
        WriteBytes(dir.path() + "/Outside.Ini", content);
        TLanguage table = StaleTable();
        LoadMessages(table, Folder(), name);
        VerifyTable(table, {});
        QCOMPARE(LanguageFilePath(Folder(), name), QString());
    }

    void gbkLanguageFile()
    {
        if (!GbkSupported())
            QSKIP("this build reads GBK as Latin-1");
        // 确定 (OK) and 注意 (caution) in GBK
        WriteBytes(Folder() + "Chinese.Ini",
                   "[Language]\r\nConfirmation=\xC8\xB7\xB6\xA8\r\nCaution=\xD7\xA2\xD2\xE2\r\n");
        TLanguage table = StaleTable();
        LoadMessages(table, Folder(), QStringLiteral("Chinese"));
        VerifyTable(table, {{"Confirmation", QStringLiteral("确定")}, {"Caution", QStringLiteral("注意")}});
    }
};

QTEST_GUILESS_MAIN(TestMessages)
#include "tst_messages.moc"

// The shipped language files and settings defaults: every message key, every
// key each window reads, the same keys in both languages, texts that several
// windows must share, and a language list whose every entry has its file.

#include "core/AppState.h"
#include "core/IniFile.h"
#include "core/MessageTable.h"
#include "core/ModelDialog.h"
#include "core/Settings.h"
#include "localisation/Messages.h"
#include "localisation/SetLanguageDialog.h"
#include "localisation/Translate.h"
#include "editing/BBatchEdit.h"
#include "editing/BInfoEdit.h"
#include "editing/ChInfo.h"
#include "editing/ToneOption.h"
#include "image/BFunSet.h"
#include "image/EmbeddedMessage.h"
#include "image/TestFrequency.h"
#include "link/ReadRadio.h"
#include "link/SetPort.h"
#include "link/WriteRadio.h"
#include "mainwindow/AboutBox.h"
#include "mainwindow/MainFrm.h"
#include "mainwindow/ReportPreview.h"
#include "support/Fixtures.h"
#include "support/ScriptedMsgBox.h"
#include "ScriptedFileChooser.h"

#include <QFile>
#include <QUrl>
#include <QtTest>
#include <map>

namespace {

const QString kShare = QStringLiteral(ORVEL_SHARE_DIR "/");
const QStringList kLanguages{"English", "Chinese"};

QStringList Captions(std::initializer_list<const char *> names)
{
    QStringList keys;
    for (const char *n : names)
        keys.append(QString::fromLatin1(n) + ".Caption");
    return keys;
}

QStringList Items(const char *name, int count, int first = 0)
{
    QStringList keys;
    for (int i = first; i < first + count; ++i)
        keys.append(QString::fromLatin1(name) + u'.' + QString::number(i));
    return keys;
}

// The keys of a tool button: caption and hint.
QStringList ToolButtons(std::initializer_list<const char *> names)
{
    QStringList keys;
    for (const char *n : names)
        keys << QString::fromLatin1(n) + ".Caption" << QString::fromLatin1(n) + ".Hint";
    return keys;
}

const QStringList kOkCancel = Captions({"btnOk", "btnCancel"});

// The channel fields of the channel edit and the batch edit dialogs.
QStringList ChannelFields()
{
    return Captions({"lbQT", "lbDQT", "lbkz", "lbfsgl", "chsmtj", "chpppy", "chfm"})
        + Items("cbQT", 1) + Items("cbDQT", 1) + Items("cbkz", 2) + Items("cbfsgl", 2)
        + Items("cbsmtj", 2) + Items("cbpppy", 2) + Items("cbfm", 2);
}

// Every window section with the keys its window reads (window caption
// included). Lists with Tag -2 have none; lists with Tag -3 only item 0.
const std::map<QString, QStringList> &WindowKeys()
{
    static const std::map<QString, QStringList> keys{
        {"fMainFrm",
         Captions({"fMainFrm", "File1", "N1", "O1", "S2", "A1", "P2", "V2", "nExit", "Edit1", "E1",
                   "E2", "E12", "E10", "E11", "Program1", "R1", "W2", "T1", "Setup1", "N4", "C2",
                   "nLanguage", "View1", "T4", "nCool", "nBar", "Window1", "nC", "nH", "nV", "npl",
                   "nCloseAll", "Help1", "nHelpTopics", "nAbout", "lMode", "Label4", "lCom"})
             + ToolButtons({"tbNew", "tbOpen", "tbSave", "ToolButton3", "tbPrint", "tbRead",
                            "tbWrite", "tbHelp"})},
        {"fChInfo",
         Captions({"fChInfo", "lNone"}) + Items("BColText", 30) + Items("cbQT", 1) + Items("cbDQT", 1)
             + Items("cbfsgl", 2) + Items("cbkz", 2) + Items("cbHave", 2)},
        {"fModel", Captions({"fModel", "Label1", "Label2"}) + kOkCancel},
        {"fSetLanguage", Captions({"fSetLanguage", "lbName"}) + kOkCancel},
        {"fSetPort", Captions({"fSetPort", "lbName", "lbPermission"}) + kOkCancel},
        {"fReadRadio", Captions({"fReadRadio"}) + kOkCancel},
        {"fWriteRadio", Captions({"fWriteRadio", "chVerify"}) + kOkCancel},
        {"fBFunSet",
         Captions({"fBFunSet", "Label1", "Label2", "Label3", "Label5", "Label4", "Label10",
                   "Label6", "Label7", "gbVox", "chVoxFun", "Label8", "chVoxInhibit",
                   "cbBattSave", "cbBeepTone", "cbVolhigh", "cbVolLow"})
             + Items("cbMonikey", 4) + Items("cbTxTimeout", 1) + Items("cxScan", 2)
             + Items("cxWaveof", 2) + Items("cbVoice", 2) + Items("cxAlt", 2) + Items("cxFM", 2)
             + kOkCancel},
        {"fBInfoEdit",
         Captions({"fBInfoEdit", "lbChannel", "lbReceive", "lbSend", "btnClose"}) + ChannelFields()},
        {"fBBatchEdit",
         Captions({"fBBatchEdit", "lbReceive", "lbSend", "lbJg", "rall", "rOne", "lbFrom", "lbTo",
                   "rasc", "rdesc"})
             + ChannelFields() + kOkCancel},
        {"fToneOption",
         Captions({"fToneOption", "GroupBox1", "rCTCSS", "rDCSN", "rDCSI", "gbList"})
             + Items("lbSel", 3)},
        {"fTestFrequency", Captions({"fTestFrequency", "Label1"}) + Items("gvData", 3, 1) + kOkCancel},
        {"fEmbeddedMessage", Captions({"fEmbeddedMessage", "lbEMA", "lbEMB"}) + kOkCancel},
        {"fFrmAbout",
         Captions({"fFrmAbout", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7",
                   "Label8", "Label9"})},
        {"fReportPreview", Captions({"fReportPreview"}) + ToolButtons({"acExportPdf"})},
    };
    return keys;
}

// Section -> keys as they stand in the file, in order.
std::map<QString, QStringList> KeysOfFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::map<QString, QStringList> keys;
    QString section;
    for (const QString &raw : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']'))
            section = line.mid(1, line.size() - 2);
        else if (line.contains(u'='))
            keys[section].append(line.left(line.indexOf(u'=')).trimmed());
    }
    return keys;
}

QString LanguagePath(const QString &language)
{
    return kShare + language + ".Ini";
}

} // namespace

class TstLanguageFiles : public QObject {
    Q_OBJECT

private slots:
    void everyKeyHasAText_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QStringList>("keys");
        QStringList messageKeys;
        for (const TMessageKey &k : MessageKeys())
            messageKeys.append(QString::fromLatin1(k.key));
        for (const QString &language : kLanguages) {
            QTest::addRow("%s Language", qPrintable(language)) << language << "Language" << messageKeys;
            for (const auto &[section, keys] : WindowKeys())
                QTest::addRow("%s %s", qPrintable(language), qPrintable(section))
                    << language << section << keys;
        }
    }

    void everyKeyHasAText()
    {
        QFETCH(QString, language);
        QFETCH(QString, section);
        QFETCH(QStringList, keys);
        TIniFile ini(LanguagePath(language));
        QVERIFY(ini.Load());
        QStringList missing;
        for (const QString &key : keys)
            if (ini.ReadString(section, key, QString()).isEmpty())
                missing.append(key);
        QCOMPARE(missing, QStringList());
    }

    void bothLanguagesHaveTheSameKeys()
    {
        const auto english = KeysOfFile(LanguagePath("English"));
        const auto chinese = KeysOfFile(LanguagePath("Chinese"));
        QVERIFY(!english.empty());
        QCOMPARE(chinese, english);
        // Nothing beyond what the windows read, so a misspelt component name
        // shows up here rather than as a text that never changes.
        for (const auto &[section, keys] : english) {
            if (section == "Language")
                continue;
            QVERIFY2(WindowKeys().count(section), qPrintable(section));
            QCOMPARE(QSet<QString>(keys.cbegin(), keys.cend()),
                     QSet<QString>(WindowKeys().at(section).cbegin(), WindowKeys().at(section).cend()));
        }
        QCOMPARE(english.size(), WindowKeys().size() + 1);
    }

    // Texts that different windows put into the same cells must agree: the
    // none text marks a channel without tone wherever it comes from, and
    // the option lists turn indexes into cell texts.
    void sharedChannelTexts_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : kLanguages)
            QTest::newRow(qPrintable(language)) << language;
    }

    void sharedChannelTexts()
    {
        QFETCH(QString, language);
        TIniFile ini(LanguagePath(language));
        QVERIFY(ini.Load());
        const auto text = [&](const char *section, const QString &key) {
            return ini.ReadString(QString::fromLatin1(section), key, QString());
        };
        const QString none = text("fChInfo", "lNone.Caption");
        for (const char *section : {"fChInfo", "fBInfoEdit", "fBBatchEdit"})
            for (const QString &key : {"cbQT.0", "cbDQT.0"})
                QCOMPARE(text(section, key), none);
        for (const char *section : {"fBInfoEdit", "fBBatchEdit"}) {
            for (const QString &key : Items("cbfsgl", 2) + Items("cbkz", 2))
                QCOMPARE(text(section, key), text("fChInfo", key));
            for (const char *list : {"cbsmtj", "cbpppy", "cbfm"})
                for (int i = 0; i < 2; ++i)
                    QCOMPARE(text(section, QString::fromLatin1(list) + u'.' + QString::number(i)),
                             text("fChInfo", "cbHave." + QString::number(i)));
        }
        // Column widths are pixels, alignment codes 1 to 3.
        for (int c = 10; c < 30; ++c) {
            bool ok = false;
            const int value = text("fChInfo", "BColText." + QString::number(c)).toInt(&ok);
            QVERIFY2(ok && value > 0, qPrintable(QString::number(c)));
            if (c >= 20)
                QVERIFY(value >= 1 && value <= 3);
        }
        QVERIFY(text("Language", "VerifyError").contains("%1"));
        // The report joins Channel and Info without a blank.
        TLanguage messages;
        LoadMessages(messages, LanguagePath(language));
        if (language == "English")
            QCOMPARE(messages.Channel + messages.Info, QString("Channel Information"));
    }

    // The windows and the files use the same component names: every key of
    // a window's section is one its window reads. The model and language
    // dialogs read exactly the shipped keys. (The main window and the
    // preview hold named parts that keep their own texts, such as the
    // platform's preview actions.)
    void windowsReadTheShippedKeys()
    {
        auto ws = NewWorkspace();
        ScriptedMsgBox box;
        ScriptedFileChooser chooser;
        TfMainFrm main(TMainServices{*ws, box, chooser, {}, [] { return QStringList(); },
                                     [](const QUrl &) { return true; }});
        TfChInfo channels(*ws, box);
        TfToneOption tones(ws->All);
        TfFrmAbout about(ws->All);
        TfModel model(*ws);
        TfSetLanguage language(ws->All, QString());
        TfBFunSet funSet(*ws);
        TfTestFrequency testFrequency(*ws, box);
        TfEmbeddedMessage messages(*ws);
        TfBInfoEdit channelEdit(*ws, box);
        TfBBatchEdit batchEdit(*ws, box);
        TfSetPort port(ws->All, nullptr, [] { return QList<TPortEntry>(); });
        TfReadRadio readRadio(*ws, box);
        TfWriteRadio writeRadio(*ws, box);
        TfReportPreview preview(ws->Report, QDateTime(), chooser, box);

        const auto shipped = KeysOfFile(LanguagePath("English"));
        for (QWidget *window : std::initializer_list<QWidget *>{&main, &channels, &tones, &about, &model,
                                                                &language, &funSet, &testFrequency,
                                                                &messages, &channelEdit, &batchEdit, &port,
                                                                &readRadio, &writeRadio, &preview}) {
            const QString section = window->objectName();
            const QStringList read = TranslationKeys(window, true);
            for (const QString &key : shipped.at(section))
                QVERIFY2(read.contains(key), qPrintable(section + u' ' + key));
            if (window == &model || window == &language || window == &funSet
                || window == &testFrequency || window == &messages || window == &channelEdit
                || window == &batchEdit || window == &port || window == &readRadio
                || window == &writeRadio)
                QCOMPARE(QSet<QString>(read.cbegin(), read.cend()),
                         QSet<QString>(shipped.at(section).cbegin(), shipped.at(section).cend()));
        }
    }

    void shippedSettings_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("displayNames");
        QTest::newRow("English") << "English" << 0 << QStringList{"English", "Chinese"};
        QTest::newRow("Chinese") << "Chinese" << 1 << QStringList{"英文", "中文"};
    }

    void shippedSettings()
    {
        QFETCH(QString, language);
        QFETCH(int, index);
        QFETCH(QStringList, displayNames);
        const QString settings = kShare + "SysInfo.Ini";
        TALL all;
        LoadSettings(all, settings);
        QCOMPARE(all.LanguageName, QString("English"));
        QCOMPARE(all.LanguageIndex, 0);
        QCOMPARE(all.HelpPrefix, QString("QN"));

        QStringList names;
        QStringList files;
        LoadLanguageList(settings, language, names, files);
        QCOMPARE(files, kLanguages);
        QCOMPARE(files.at(index), language);
        QCOMPARE(names, displayNames);
        for (const QString &file : files)
            QVERIFY2(QFile::exists(LanguagePath(file)), qPrintable(file));
    }
};

QTEST_MAIN(TstLanguageFiles)
#include "tst_languagefiles.moc"

// The painted report: what a PDF of a full report says on its pages in
// both languages, that a failed export never damages what was there, and
// the preview window with its export action.

#include "DialogPictures.h"
#include "MainFrame.h"
#include "ScriptedFileChooser.h"
#include "mainwindow/ReportData.h"
#include "mainwindow/ReportPreview.h"
#include "mainwindow/ReportRenderer.h"
#include "support/ScriptedMsgBox.h"
#include "support/PdfText.h"
#include "support/TempFiles.h"

#include <QAction>
#include <QFileDialog>
#include <QPageRanges>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <unistd.h>

namespace {

// An afternoon time, so that a 12-hour clock would show.
const QDateTime PrintedAt(QDate(2026, 3, 14), QTime(21, 26, 53));

// The texts a report shows in one language, as the windows would hand them.
struct TReportTexts {
    QString title, modelCaption, modelName, bandCaption, bandText;
    QString settingsGroup;
    QStringList settingCaptions; // fifteen, in report order
    QString on, off;
    QString channelsGroup;
    QStringList channelTitles; // the ten column titles
    QString none, high, wide, yes, no;
};

TReportTexts EnglishTexts()
{
    return {"Orvel", "Model Type: ", "Orvel(UHF)", "Frequency: ", "400-470MHz", "Function Setting",
            {"Battery Save", "Clew Voice", "High Vol Inhibit Tx", "Low Vol Inhibit Tx", "Squelch level", "Side Key",
             "TX Time Out", "Scan", "Voice", "Voice Annunciation", "Incept Alarm", "FM", "VOX Function",
             "VOX Gain Level", "VOX Inhibit OnReceive"},
            "On", "Off", "Channel Information",
            {"Channel No.", "RX Frequency", "TX Frequency", "QT/DQT Dec", "QT/DQT Enc", "TX Power", "W/N",
             "Scan Add", "Beat Shift", "Busy Lockout"},
            "None", "High", "Wide", "Yes", "No"};
}

TReportTexts ChineseTexts()
{
    return {"Orvel", "机型：", "Orvel(UHF)", "频段：", "400-470MHz", "功能设置",
            {"省电模式", "按键提示音", "高电压禁止发射", "低电压禁止发射", "静噪等级", "侧键功能", "发射限时(秒)",
             "扫描", "语音提示", "语音播报语言", "接收告警", "FM收音机", "声控功能", "声控灵敏度", "接收时禁止声控"},
            "开启", "关闭", "信道信息",
            {"信道", "接收频率", "发射频率", "接收亚音", "发射亚音", "发射功率", "宽窄带", "扫描添加", "拍频偏移",
             "繁忙锁定"},
            "无", "高", "宽带", "是", "否"};
}

TReportTexts TextsOf(const QString &language)
{
    return language == QLatin1String("Chinese") ? ChineseTexts() : EnglishTexts();
}

QString RxOf(int channel)
{
    return QStringLiteral("%1.12500").arg(400 + channel);
}
QString TxOf(int channel)
{
    return QStringLiteral("%1.62500").arg(400 + channel);
}

// A full report of sixteen channels: the header row, the fifteen settings
// and the channel group, filled straight into the datasets.
void FillReport(TReportData &data, const TReportTexts &t)
{
    using namespace ReportField;
    data.myMain.Append({{Title, t.title},
                        {AField, t.modelCaption},
                        {AValue, t.modelName},
                        {BField, QString()},
                        {BValue, QString()},
                        {CField, t.bandCaption},
                        {CValue, t.bandText}});
    for (int i = 0; i < t.settingCaptions.size(); ++i)
        data.myAdo.Append({{TypeId, SettingsTypeId},
                           {TypeName, t.settingsGroup},
                           {AField, t.settingCaptions[i]},
                           {AValue, i % 2 ? t.on : t.off}});
    const auto channelRow = [&](const QString &a, const QString &av, const QString &b, const QString &bv) {
        data.myAdo.Append({{TypeId, ChannelsTypeId},
                           {TypeName, t.channelsGroup},
                           {AField, a},
                           {AValue, av},
                           {BField, b},
                           {BValue, bv}});
    };
    const QStringList &c = t.channelTitles;
    channelRow({}, {}, {}, {});
    for (int ch = 1; ch <= 16; ++ch) {
        channelRow(c[0] + QString::number(ch), {}, {}, {});
        channelRow(c[1], RxOf(ch), c[2], TxOf(ch));
        channelRow(c[3], t.none, c[4], QStringLiteral("67.0"));
        channelRow(c[5], t.high, c[6], t.wide);
        channelRow(c[7], t.yes, c[8], t.no);
        channelRow(c[9], t.no, {}, {});
    }
}

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

class TestReportRender : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    // A platform theme's native file dialog could not be answered from here.
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    void pdfPages_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "English";
        QTest::newRow("Chinese") << "Chinese";
    }
    void pdfPages()
    {
        QFETCH(QString, language);
        const TReportTexts t = TextsOf(language);
        TReportData data;
        FillReport(data, t);
        const QString pdf = path(QStringLiteral("report-%1.pdf").arg(language));

        QString error;
        QVERIFY2(WriteReportPdf(data, pdf, PrintedAt, &error), qPrintable(error));
        QVERIFY(ReadBytes(pdf).startsWith("%PDF"));
        if (!PictureFolder().isEmpty())
        {
            const QString copy = QDir(PictureFolder()).filePath(QFileInfo(pdf).fileName());
            QFile::remove(copy);
            QFile::copy(pdf, copy);
        }
        if (!HavePdfTools())
            QSKIP("pdftotext and pdfinfo are not installed");

        // 15 settings rows on page 1, 97 channel rows on pages 2 to 5.
        QCOMPARE(PdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("5"));
        QCOMPARE(PdfInfo(pdf, QStringLiteral("Title")), t.title);

        const QString page1 = PdfPageText(pdf, 1);
        QStringList header = {t.title, QStringLiteral("2026/03/14"), QStringLiteral("21:26:53"), t.modelCaption,
                              t.modelName, t.bandCaption, t.bandText, t.settingsGroup};
        QCOMPARE(MissingInOrder(page1, header), QString());
        QStringList settings;
        for (int i = 0; i < t.settingCaptions.size(); ++i)
            settings << t.settingCaptions[i] << (i % 2 ? t.on : t.off);
        QCOMPARE(MissingInOrder(page1, settings), QString());
        QCOMPARE(LastLine(page1), QStringLiteral("1"));

        const QString page2 = PdfPageText(pdf, 2);
        QCOMPARE(MissingInOrder(page2, {t.title, t.modelName, t.channelsGroup, t.channelTitles[0] + u'1',
                                        t.channelTitles[1], RxOf(1), t.channelTitles[2], TxOf(1), t.channelTitles[3],
                                        t.none, t.channelTitles[4], QStringLiteral("67.0"), t.channelTitles[9],
                                        t.channelTitles[0] + u'2', RxOf(2)}),
                 QString());
        QVERIFY(!page2.contains(t.settingsGroup));
        QCOMPARE(LastLine(page2), QStringLiteral("2"));
        // The group goes on without a new header.
        const QString page5 = PdfPageText(pdf, 5);
        QVERIFY(!page5.contains(t.channelsGroup));
        QCOMPARE(MissingInOrder(page5, {t.channelTitles[7], t.yes, t.channelTitles[9], t.no}), QString());
        QCOMPARE(LastLine(page5), QStringLiteral("5"));
    }

    // Texts too long for their box are cut there, never drawn into the next.
    void longTextsStayInTheirBoxes()
    {
        TReportData data;
        FillReport(data, EnglishTexts());
        const QString longLabel = QStringLiteral("Label").repeated(20);
        data.myAdo.Append({{ReportField::TypeId, ChannelsTypeId},
                           {ReportField::AField, longLabel},
                           {ReportField::AValue, QStringLiteral("VALUE")}});
        const QString pdf = path(QStringLiteral("long.pdf"));
        QString error;
        QVERIFY2(WriteReportPdf(data, pdf, PrintedAt, &error), qPrintable(error));
        if (!HavePdfTools())
            QSKIP("pdftotext is not installed");
        const QString page = PdfPageText(pdf, 5);
        QVERIFY(!page.contains(longLabel));
        QVERIFY(page.contains(QStringLiteral("LabelLabel")));
        QVERIFY(page.contains(QStringLiteral("VALUE")));
    }

    // A page narrower than the template shrinks the report rather than
    // losing its right-hand side; a device that cannot be painted on fails.
    void narrowPage()
    {
        TReportData data;
        FillReport(data, EnglishTexts());
        const QString pdf = path(QStringLiteral("a6.pdf"));
        {
            QPdfWriter writer(pdf);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A6), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                             QPageLayout::Millimeter));
            QVERIFY(RenderReport(data, writer, PrintedAt));
        }
        QPdfWriter nowhere(path(QStringLiteral("missing/a6.pdf")));
        QVERIFY(!RenderReport(data, nowhere, PrintedAt));
        if (!HavePdfTools())
            QSKIP("pdftotext is not installed");
        const QStringList rightEdge = {QStringLiteral("21:26:53"), QStringLiteral("VOX Inhibit OnReceive")};
        QCOMPARE(MissingInOrder(PdfPageText(pdf, 1), rightEdge), QString());
        QCOMPARE(MissingInOrder(PdfPageText(pdf, 2), {EnglishTexts().channelTitles[2], TxOf(1)}), QString());
    }

    // The page range of a print dialog: only those pages, numbered as in
    // the whole report.
    void pageRange()
    {
        TReportData data;
        FillReport(data, EnglishTexts());
        const QString pdf = path(QStringLiteral("range.pdf"));
        {
            QPdfWriter writer(pdf);
            UseReportPage(writer);
            QPageRanges ranges;
            ranges.addPage(2);
            ranges.addPage(4);
            writer.setPageRanges(ranges);
            QVERIFY(RenderReport(data, writer, PrintedAt));
        }
        if (!HavePdfTools())
            QSKIP("pdftotext and pdfinfo are not installed");
        QCOMPARE(PdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("2"));
        QVERIFY(PdfPageText(pdf, 1).contains(EnglishTexts().channelsGroup));
        QCOMPARE(LastLine(PdfPageText(pdf, 1)), QStringLiteral("2"));
        QCOMPARE(LastLine(PdfPageText(pdf, 2)), QStringLiteral("4"));
    }

    void failedWrite_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("folder does not exist") << "missing/report.pdf";
        QTest::newRow("target is a folder") << "folder";
        QTest::newRow("parent is a file") << "plain.txt/report.pdf";
    }
    void failedWrite()
    {
        QFETCH(QString, target);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("folder"));
        WriteBytes(dir.filePath(QStringLiteral("folder/kept.pdf")), "kept");
        WriteBytes(dir.filePath(QStringLiteral("plain.txt")), "plain");
        const QStringList before = Entries(dir.path());
        TReportData data;
        FillReport(data, EnglishTexts());

        const QString pdf = dir.filePath(target);
        QString error;
        QVERIFY(!WriteReportPdf(data, pdf, PrintedAt, &error));
        QVERIFY2(error.startsWith(QStringLiteral("cannot write %1: ").arg(QDir::toNativeSeparators(pdf))),
                 qPrintable(error));
        QVERIFY(error.size() > QStringLiteral("cannot write %1: ").arg(pdf).size());
        QCOMPARE(Entries(dir.path()), before);
        QCOMPARE(ReadBytes(dir.filePath(QStringLiteral("folder/kept.pdf"))), QByteArray("kept"));
        QCOMPARE(ReadBytes(dir.filePath(QStringLiteral("plain.txt"))), QByteArray("plain"));
    }

    // Needs a user that read-only folders stop; root is not stopped.
    void existingFileKeptWhenFolderIsReadOnly()
    {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        WriteBytes(pdf, "previous report");
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        TReportData data;
        FillReport(data, EnglishTexts());
        QString error;
        const bool written = WriteReportPdf(data, pdf, PrintedAt, &error);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!written);
        QVERIFY(!error.isEmpty());
        QCOMPARE(ReadBytes(pdf), QByteArray("previous report"));
    }

    void previewWindow_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("caption");
        // The window is named for what it does, whatever the report's title.
        QTest::newRow("report title") << "Orvel" << "Print Preview";
        QTest::newRow("no title") << "" << "Print Preview";
    }
    void previewWindow()
    {
        QFETCH(QString, title);
        QFETCH(QString, caption);
        TReportTexts t = EnglishTexts();
        t.title = title;
        TReportData data;
        FillReport(data, t);
        ScriptedFileChooser chooser;
        ScriptedMsgBox box;

        TfReportPreview preview(data, PrintedAt, chooser, box);
        QCOMPARE(preview.objectName(), QStringLiteral("fReportPreview"));
        QCOMPARE(preview.windowTitle(), caption);
        QVERIFY(preview.ExportAction());
        QCOMPARE(preview.ExportAction()->objectName(), QStringLiteral("acExportPdf"));
        auto *toolBar = preview.findChild<QToolBar *>();
        QVERIFY(toolBar && toolBar->actions().contains(preview.ExportAction()));

        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        auto *pages = preview.findChild<QPrintPreviewWidget *>();
        QVERIFY(pages);
        QTRY_COMPARE(pages->pageCount(), 5);
        if (!PictureFolder().isEmpty() && !title.isEmpty()) {
            preview.resize(900, 700);
            QTest::qWait(50);
            preview.grab().save(QDir(PictureFolder()).filePath(QStringLiteral("fReportPreview-English.png")));
        }
        preview.close();
    }

    // The save dialog behind the export: PDF files, ".pdf" added to a bare
    // name, and the next dialog opening where the last one ended.
    void reportFileDialog_data()
    {
        QTest::addColumn<QString>("typed"); // empty = cancel
        QTest::addColumn<QString>("chosen");
        QTest::newRow("bare name") << "report" << "report.pdf";
        QTest::newRow("name with extension") << "report.pdf" << "report.pdf";
        QTest::newRow("cancelled") << "" << "";
    }
    void reportFileDialog()
    {
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        TDialogFileChooser chooser;
        QString shownFilter, shownName;
        QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
        WhenDialogShows([&](QWidget *widget) {
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            if (!dialog) {
                widget->close();
                return;
            }
            shownName = dialog->objectName();
            shownFilter = dialog->nameFilters().join(u';');
            mode = dialog->acceptMode();
            if (typed.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->setDirectory(dir.path());
            dialog->selectFile(dir.filePath(typed));
            static_cast<QDialog *>(dialog)->accept();
        });
        const QString path = chooser.ChooseReportFile();
        QCOMPARE(shownName, QStringLiteral("sdReport"));
        QCOMPARE(shownFilter, QStringLiteral("PDF (*.pdf)"));
        QCOMPARE(mode, QFileDialog::AcceptSave);
        QCOMPARE(path, chosen.isEmpty() ? QString() : dir.filePath(chosen));
        if (chosen.isEmpty())
            return;

        QString nextFolder;
        WhenDialogShows([&](QWidget *widget) {
            if (auto *dialog = qobject_cast<QFileDialog *>(widget))
                nextFolder = dialog->directory().absolutePath();
            widget->close();
        });
        QVERIFY(chooser.ChooseReportFile().isEmpty());
        QCOMPARE(QDir(nextFolder), QDir(dir.path()));
    }

    void exportAction_data()
    {
        QTest::addColumn<QString>("answer"); // relative to a fresh folder; empty = cancel
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("boxes");
        QTest::newRow("written") << "out.pdf" << true << 0;
        QTest::newRow("cancelled") << "" << false << 0;
        QTest::newRow("failing path") << "missing/out.pdf" << false << 1;
    }
    void exportAction()
    {
        QFETCH(QString, answer);
        QFETCH(bool, written);
        QFETCH(int, boxes);
        QTemporaryDir dir;
        TReportData data;
        FillReport(data, EnglishTexts());
        ScriptedFileChooser chooser;
        if (!answer.isEmpty())
            chooser.reportAnswers << dir.filePath(answer);
        ScriptedMsgBox box;

        TfReportPreview preview(data, PrintedAt, chooser, box);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        preview.ExportAction()->trigger();

        QCOMPARE(chooser.reportAsked, 1);
        QCOMPARE(ReadBytes(dir.filePath(answer)).startsWith("%PDF"), written);
        QCOMPARE(Entries(dir.path()).size(), written ? 1 : 0);
        QCOMPARE(box.shown.size(), boxes);
        if (boxes) {
            QCOMPARE(box.shown[0].caption, preview.windowTitle());
            QVERIFY(box.shown[0].text.startsWith(QStringLiteral("cannot write ")));
            QCOMPARE(box.shown[0].kind, int(MsgInformation));
        }
        preview.close();
    }

    // The export takes the page set up in the preview.
    void exportTakesThePreviewPage()
    {
        QTemporaryDir dir;
        TReportData data;
        FillReport(data, EnglishTexts());
        ScriptedFileChooser chooser;
        const QString pdf = dir.filePath(QStringLiteral("a4.pdf"));
        chooser.reportAnswers << pdf;
        ScriptedMsgBox box;
        TfReportPreview preview(data, PrintedAt, chooser, box);
        preview.printer()->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        preview.ExportAction()->trigger();
        QVERIFY(box.shown.isEmpty());
        if (!HavePdfTools())
            QSKIP("pdfinfo is not installed");
        QVERIFY2(PdfInfo(pdf, QStringLiteral("Page size")).startsWith(QStringLiteral("842 x 595 pts (A4)")),
                 qPrintable(PdfInfo(pdf, QStringLiteral("Page size"))));
    }

    // A print from the preview that cannot be written says so, under the
    // caption the main window gives; the preview's own pages never fail.
    void previewPrintFailureShown()
    {
        QTemporaryDir dir;
        TReportData data;
        FillReport(data, EnglishTexts());
        ScriptedFileChooser chooser;
        ScriptedMsgBox box;
        TfReportPreview preview(data, PrintedAt, chooser, box);
        preview.SetMessageCaption(QStringLiteral("Confirmation"));
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QVERIFY(box.shown.isEmpty());

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString target = dir.filePath(QStringLiteral("missing/print.pdf"));
        printer.setOutputFileName(target);
        emit preview.paintRequested(&printer); // what its print button does after the print dialog
        QCOMPARE(box.shown.size(), 1);
        QCOMPARE(box.shown[0].caption, QStringLiteral("Confirmation"));
        QCOMPARE(box.shown[0].text, QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(target));
        preview.close();
    }
};

QTEST_MAIN(TestReportRender)
#include "tst_reportrender.moc"

// The report of the main window: its datasets filled from the windows as
// they show now, in the built-in English texts and translated to Chinese;
// the header following the model and band display; Print Preview opening
// the preview window and Print the print dialog, which prints nothing when
// cancelled.

#include "DialogPictures.h"
#include "MainFrame.h"
#include "core/Workspace.h"
#include "editing/ChInfo.h"
#include "localisation/Messages.h"
#include "mainwindow/CommandTable.h"
#include "mainwindow/MainFrm.h"
#include "mainwindow/ModelChoice.h"
#include "mainwindow/ReportFill.h"
#include "mainwindow/ReportPreview.h"
#include "image/FileCommands.h"
#include "support/Fixtures.h"
#include "support/PdfText.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QAction>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QtTest>

namespace {

using Row = QStringList; // TypeID, TypeName, AField, AValue, BField, BValue
using Rows = QList<Row>;

constexpr int Tx = TChannelStore::ColTx;
constexpr int Enc = TChannelStore::ColEnc;

Rows RowsOf(const TMemTable &table)
{
    using namespace ReportField;
    Rows rows;
    for (int i = 0; i < table.RowCount(); ++i) {
        Row row{QString::number(table.Integer(i, TypeId))};
        for (QLatin1String field : {TypeName, AField, AValue, BField, BValue})
            row.append(table.Text(i, field));
        rows.append(row);
    }
    return rows;
}

// Title, AField, AValue, CField, CValue of the header row.
QStringList HeaderOf(const TMemTable &myMain)
{
    QStringList out;
    for (const char *field : {"Title", "AField", "AValue", "CField", "CValue"})
        out.append(myMain.Text(0, QString::fromLatin1(field)));
    return out;
}

// Settings the report shows one by one: ticked and unticked boxes, list
// entries past the first, a first entry that only a translation changes.
TFun SampleSettings()
{
    TFun fun;
    fun.BatterySave = 1;
    fun.ClewVoice = 0;
    fun.HighVolInhibitTx = 1;
    fun.LowVolInhibitTx = 0;
    fun.SquelchLevel = 3;
    fun.SideKey = 2;
    fun.TxTimeOut = 0;
    fun.ScanMode = 1;
    fun.VoicePrompt = 0;
    fun.VoiceLanguage = 1;
    fun.InceptAlarm = 1;
    fun.FmRadio = 0;
    fun.VoxFunction = 1;
    fun.VoxGainLevel = 2; // shown as 3
    fun.VoxInhibitOnReceive = 0;
    return fun;
}

TFun OtherSettings()
{
    TFun fun = SampleSettings();
    fun.BatterySave = 0; fun.ClewVoice = 1; fun.HighVolInhibitTx = 0; fun.LowVolInhibitTx = 1;
    fun.SquelchLevel = 5; fun.TxTimeOut = 2; fun.ScanMode = 0; fun.VoicePrompt = 1;
    fun.InceptAlarm = 1; fun.VoxFunction = 0; fun.VoxGainLevel = 0; fun.VoxInhibitOnReceive = 1;
    return fun;
}

Rows SettingsRows(const QString &title, const QList<QStringList> &pairs)
{
    Rows rows;
    for (const QStringList &pair : pairs)
        rows.append(Row{"9", title, pair[0], pair[1], "", ""});
    return rows;
}

// The group of channel 2 (RX 462.5, TX cleared, encode tone D023N) after
// the channel group's empty first row.
Rows ChannelRows(const QString &group, const QStringList &titles, const QString &none,
                 const QString &high, const QString &wide, const QString &no)
{
    return Rows{Row{"8", group, "", "", "", ""},
            Row{"8", group, titles[0] + u'2', "", "", ""},
            Row{"8", group, titles[1], "462.50000", titles[2], ""},
            Row{"8", group, titles[3], none, titles[4], "D023N"},
            Row{"8", group, titles[5], high, titles[6], wide},
            Row{"8", group, titles[7], no, titles[8], no},
            Row{"8", group, titles[9], no, "", ""}};
}

// A main window in language, its settings and channel 2 set up as above.
struct ReportFrame : Frame {
    explicit ReportFrame(const QString &language)
    {
        UseShippedLanguage(ws->All, language);
        LoadMessages(ws->Language, ws->All.AppFolder, ws->All.LanguageName);
        ws->Fun = SampleSettings();
        show();
        TypeChannel(*ws, 2, QStringLiteral("462.5"));
        ws->Channels.SetForeText(Tx, 3, QString());
        ws->Channels.SetText(Enc, 3, QStringLiteral("D023N"));
    }
    void switchLanguage(const QString &language)
    {
        UseShippedLanguage(ws->All, language);
        window->ApplyLanguage();
    }
    void fill() { FillReport(*ws, ReportHeaderOf(*window)); }
};

// Closes the dialog if the hook left it open, so that no test waits on it.
void Dismiss(QWidget *dialog)
{
    if (dialog->isVisible())
        static_cast<QDialog *>(dialog)->reject();
}

// Points the print dialog at a PDF file: its own file printer entry and
// file name field, as a user picks them. False when they are not there: the
// dialog must then not be accepted, or a real printer would print.
bool PrintToFile(QPrintDialog *dialog, const QString &path)
{
    auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
    auto *file = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
    if (!printers || !file)
        return false;
    int pdf = -1;
    for (int i = printers->count() - 1; i >= 0 && pdf < 0; --i) {
        if (printers->itemText(i).contains(u"PDF"))
            pdf = i;
    }
    if (pdf < 0)
        return false;
    printers->setCurrentIndex(pdf);
    file->setText(path);
    dialog->printer()->setOutputFileName(path);
    return true;
}

// Chooses the page range first..last in the print dialog's own fields;
// false when they are not there.
bool ChoosePages(QPrintDialog *dialog, int first, int last)
{
    auto *range = dialog->findChild<QRadioButton *>(QStringLiteral("printRange"));
    auto *from = dialog->findChild<QSpinBox *>(QStringLiteral("from"));
    auto *to = dialog->findChild<QSpinBox *>(QStringLiteral("to"));
    if (!range || !from || !to)
        return false;
    range->setChecked(true);
    from->setValue(first);
    to->setValue(last);
    return true;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void datasets_data();
    void datasets();
    void eachCheckBoxReadsItsOwnSetting_data();
    void eachCheckBoxReadsItsOwnSetting();
    void headerFollowsModelAndBand_data();
    void headerFollowsModelAndBand();
    void previewTwiceGivesSameDatasets();
    void printDialog_data();
    void printDialog();
    void printFailureShown();
    void printTakesTheOpenEdit();
};

void TestReport::datasets_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("switchTo"); // afterwards, as the language command does
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<bool>("other");

    const Rows english =
        SettingsRows("Function Setting",
                     {{"Battery Save", "On"},
                      {"Clew Voice", "Off"},
                      {"High Vol Inhibit Tx", "On"},
                      {"Low Vol Inhibit Tx", "Off"},
                      {"Squelch level", "3"},
                      {"Side Key", "H/L Power"},
                      {"TX Time Out", "Off"},
                      {"Scan", "On"},
                      {"Voice", "Off"},
                      {"Voice Annunciation", "Chinese"},
                      {"Incept Alarm", "On"},
                      {"FM", "Interdict"},
                      {"VOX Function", "On"},
                      {"VOX Gain Level", "3"},
                      {"VOX Inhibit OnReceive", "Off"}})
        + ChannelRows("Channel Information",
                      {"Channel No.", "RX Frequency", "TX Frequency", "QT/DQT Dec", "QT/DQT Enc",
                       "TX Power", "W/N", "Scan Add", "Beat Shift", "Busy Lockout"},
                      "None", "High", "Wide", "No");
    const Rows chinese =
        SettingsRows(QStringLiteral("功能设置"),
                     {{QStringLiteral("省电模式"), QStringLiteral("开启")},
                      {QStringLiteral("按键提示音"), QStringLiteral("关闭")},
                      {QStringLiteral("高电压禁止发射"), QStringLiteral("开启")},
                      {QStringLiteral("低电压禁止发射"), QStringLiteral("关闭")},
                      {QStringLiteral("静噪等级"), "3"},
                      {QStringLiteral("侧键功能"), QStringLiteral("高/低功率")},
                      {QStringLiteral("发射限时(秒)"), QStringLiteral("关闭")},
                      {QStringLiteral("扫描"), QStringLiteral("开启")},
                      {QStringLiteral("语音提示"), QStringLiteral("关闭")},
                      {QStringLiteral("语音播报语言"), QStringLiteral("中文")},
                      {QStringLiteral("接收告警"), QStringLiteral("开启")},
                      {QStringLiteral("FM收音机"), QStringLiteral("禁止")},
                      {QStringLiteral("声控功能"), QStringLiteral("开启")},
                      {QStringLiteral("声控灵敏度"), "3"},
                      {QStringLiteral("接收时禁止声控"), QStringLiteral("关闭")}})
        + ChannelRows(QStringLiteral("信道信息"),
                      {QStringLiteral("信道"), QStringLiteral("接收频率"), QStringLiteral("发射频率"),
                       QStringLiteral("接收亚音"), QStringLiteral("发射亚音"), QStringLiteral("发射功率"),
                       QStringLiteral("宽窄带"), QStringLiteral("扫描添加"), QStringLiteral("拍频偏移"),
                       QStringLiteral("繁忙锁定")},
                      QStringLiteral("无"), QStringLiteral("高"), QStringLiteral("宽带"),
                      QStringLiteral("否"));
    const QStringList englishHeader{"Orvel", "Model Type: ", "Orvel(UHF)", "Frequency: ", "450 - 470MHz"};
    const QStringList chineseHeader{"Orvel", QStringLiteral("机型："), "Orvel(UHF)",
                                    QStringLiteral("频段："), "450 - 470MHz"};

    QTest::newRow("English") << "English" << "" << englishHeader << english << false;
    QTest::newRow("Chinese") << "Chinese" << "" << chineseHeader << chinese << false;
    QTest::newRow("English, then Chinese") << "English" << "Chinese" << chineseHeader << chinese << false;
    Rows other = SettingsRows("Function Setting",
                     {{"Battery Save", "Off"}, {"Clew Voice", "On"}, {"High Vol Inhibit Tx", "Off"},
                      {"Low Vol Inhibit Tx", "On"}, {"Squelch level", "5"}, {"Side Key", "H/L Power"},
                      {"TX Time Out", "60"}, {"Scan", "Off"}, {"Voice", "On"}, {"Voice Annunciation", "Chinese"},
                      {"Incept Alarm", "On"}, {"FM", "Interdict"}, {"VOX Function", "Off"},
                      {"VOX Gain Level", "1"}, {"VOX Inhibit OnReceive", "On"}}) + english.mid(15);
    QTest::newRow("Chinese, then English") << "Chinese" << "English" << englishHeader << english << false;
    QTest::newRow("English, other settings") << "English" << "" << englishHeader << other << true;
}

void TestReport::datasets()
{
    QFETCH(QString, start);
    QFETCH(QString, switchTo);
    QFETCH(QStringList, header);
    QFETCH(Rows, rows);
    QFETCH(bool, other);
    ReportFrame f(start);
    if (other)
        f.ws->Fun = OtherSettings();
    if (!switchTo.isEmpty())
        f.switchLanguage(switchTo);
    f.fill();

    const TReportData &report = f.ws->Report;
    QCOMPARE(report.myMain.RowCount(), 1);
    QCOMPARE(HeaderOf(report.myMain), header);
    const Rows filled = RowsOf(report.myAdo);
    QCOMPARE(filled.size(), rows.size());
    for (int i = 0; i < rows.size(); ++i)
        QCOMPARE(filled[i], rows[i]);
    // Reading the settings changes none of them.
    QCOMPARE(f.ws->Fun, other ? OtherSettings() : SampleSettings());
    QVERIFY(!QApplication::activeModalWidget());
}

// One box ticked, the other five not: only its own row reads Open, so no
// row takes its value from another box.
void TestReport::eachCheckBoxReadsItsOwnSetting_data()
{
    QTest::addColumn<int TFun::*>("field");
    QTest::addColumn<int>("row"); // in the settings group
    QTest::newRow("Battery Save") << &TFun::BatterySave << 0;
    QTest::newRow("Clew Voice") << &TFun::ClewVoice << 1;
    QTest::newRow("High Vol Inhibit Tx") << &TFun::HighVolInhibitTx << 2;
    QTest::newRow("Low Vol Inhibit Tx") << &TFun::LowVolInhibitTx << 3;
    QTest::newRow("VOX Function") << &TFun::VoxFunction << 12;
    QTest::newRow("VOX Inhibit OnReceive") << &TFun::VoxInhibitOnReceive << 14;
}

void TestReport::eachCheckBoxReadsItsOwnSetting()
{
    QFETCH(int TFun::*, field);
    QFETCH(int, row);
    ReportFrame f(QStringLiteral("English"));
    for (int TFun::*box : {&TFun::BatterySave, &TFun::ClewVoice, &TFun::HighVolInhibitTx, &TFun::LowVolInhibitTx,
                           &TFun::VoxFunction, &TFun::VoxInhibitOnReceive})
        f.ws->Fun.*box = 0;
    f.ws->Fun.*field = 1;
    f.fill();
    const QString value = ReportField::AValue;
    for (int r : {0, 1, 2, 3, 12, 14})
        QCOMPARE(f.ws->Report.myAdo.Text(r, value), r == row ? QStringLiteral("On") : QStringLiteral("Off"));
}

void TestReport::headerFollowsModelAndBand_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("band");
    QTest::newRow("other model") << "Orvel(VHF)" << "136 - 174MHz";
    QTest::newRow("other band") << "Orvel(UHF)" << "400 - 420MHz";
}

void TestReport::headerFollowsModelAndBand()
{
    QFETCH(QString, model);
    QFETCH(QString, band);
    ReportFrame f(QStringLiteral("English"));
    f.fill();
    QCOMPARE(f.ws->Report.myMain.Text(0, "CValue"), QStringLiteral("450 - 470MHz"));

    f.ws->All.Modified = false;
    QVERIFY(ApplyModelChoice(*f.ws, f.box, f.window->FileCommands(), model, band));
    f.window->RefreshStatus();
    QCOMPARE(f.label("stFreq"), band);
    f.fill();
    QCOMPARE(HeaderOf(f.ws->Report.myMain),
             QStringList({"Orvel", "Model Type: ", model, "Frequency: ", band}));
    // The model change emptied the table: only the group's empty row.
    const Rows emptyGroup{Row{"8", "Channel Information", "", "", "", ""}};
    QCOMPARE(RowsOf(f.ws->Report.myAdo).mid(15), emptyGroup);
}

// Print Preview opens the preview window over the main window with the
// datasets filled; a second one rebuilds them alike. Its export asks the
// main window's file chooser.
void TestReport::previewTwiceGivesSameDatasets()
{
    ReportFrame f(QStringLiteral("Chinese"));
    const QString pdf = f.dir.filePath(QStringLiteral("exported.pdf"));
    f.chooser.reportAnswers = {pdf};
    QList<Rows> seen;
    QList<QStringList> headers;
    bool preview = false;
    QWidget *parent = nullptr;
    QStringList texts; // the window's title and its export action, translated
    for (int i = 0; i < 2; ++i) {
        WhenDialogShows([&](QWidget *dialog) {
            preview = qobject_cast<TfReportPreview *>(dialog) != nullptr;
            parent = dialog->parentWidget();
            if (auto *window = qobject_cast<TfReportPreview *>(dialog))
                texts = QStringList{window->windowTitle(), window->ExportAction()->text()};
            seen.append(RowsOf(f.ws->Report.myAdo));
            headers.append(HeaderOf(f.ws->Report.myMain));
            if (auto *window = qobject_cast<TfReportPreview *>(dialog); window && seen.size() == 2)
                window->ExportAction()->trigger();
            Dismiss(dialog);
        });
        f.window->Dispatch(CmdPrintPreview);
        QVERIFY(preview);
        QCOMPARE(parent, f.window.get());
    }
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen[0].size(), 15 + 7);
    QCOMPARE(seen[1], seen[0]);
    QCOMPARE(headers[1], headers[0]);
    QCOMPARE(headers[0].value(1), QStringLiteral("机型："));
    QCOMPARE(texts, QStringList({QStringLiteral("打印预览"), QStringLiteral("导出PDF")}));
    QCOMPARE(f.chooser.reportAsked, 1);
    QVERIFY(QFile::exists(pdf));
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(f.box.shown.isEmpty());
}

// Print fills the datasets as the windows stand, without a preview first,
// and opens the print dialog; cancelled, it prints nothing, accepted, it
// prints the report into the file chosen.
void TestReport::printDialog_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("onlyPage"); // 0: all pages
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<QStringList>("notPrinted");
    const QStringList settings{"Model Type:", "Orvel(UHF)", "Function Setting", "Battery Save"};
    const QStringList channels{"Channel Information", "Channel No.2", "462.50000"};
    QTest::newRow("cancelled") << false << 0 << QStringList() << QStringList();
    QTest::newRow("accepted") << true << 0 << settings + channels << QStringList();
    QTest::newRow("page 2 only") << true << 2 << channels << QStringList{"Battery Save"};
}

void TestReport::printDialog()
{
    QFETCH(bool, accept);
    QFETCH(int, onlyPage);
    QFETCH(QStringList, printed);
    QFETCH(QStringList, notPrinted);
    ReportFrame f(QStringLiteral("English"));
    const QString pdf = f.dir.filePath(QStringLiteral("report.pdf"));
    bool printDialog = false;
    QWidget *parent = nullptr;
    Rows atDialog;
    QList<int> pages;
    bool steered = false; // the dialog's own fields found and set
    WhenDialogShows([&](QWidget *dialog) {
        auto *print = qobject_cast<QPrintDialog *>(dialog);
        printDialog = print != nullptr;
        parent = dialog->parentWidget();
        atDialog = RowsOf(f.ws->Report.myAdo);
        if (print)
            pages = {print->minPage(), print->maxPage()};
        if (print) {
            steered = PrintToFile(print, pdf) && (onlyPage == 0 || ChoosePages(print, onlyPage, onlyPage));
            if (accept && steered)
                print->accept();
        }
        Dismiss(dialog);
    });
    f.window->Dispatch(CmdPrint);
    QVERIFY(printDialog);
    QVERIFY(steered);
    QCOMPARE(parent, f.window.get());
    QCOMPARE(atDialog.size(), 15 + 7);
    QCOMPARE(atDialog.value(16).value(2), QStringLiteral("Channel No.2"));
    QCOMPARE(pages, QList<int>({1, 2})); // the range offered ends at the last page
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(f.box.texts(), QStringList());
    QCOMPARE(QFile::exists(pdf), accept);
    if (!accept)
        return;
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5).startsWith("%PDF"));
    if (!HavePdfTools())
        QSKIP("pdfinfo and pdftotext are not installed");
    // The settings group, then the channel group.
    QCOMPARE(PdfPages(pdf), onlyPage > 0 ? 1 : 2);
    const QString output = PdfPageText(pdf);
    for (const QString &expected : printed)
        QVERIFY2(output.contains(expected), qPrintable(expected));
    for (const QString &absent : notPrinted)
        QVERIFY2(!output.contains(absent), qPrintable(absent));
}

// A print the platform cannot write after the dialog was accepted (its
// file turned into a folder meanwhile) says so.
void TestReport::printFailureShown()
{
    ReportFrame f(QStringLiteral("English"));
    const QString pdf = f.dir.filePath(QStringLiteral("gone.pdf"));
    bool steered = false;
    WhenDialogShows([&](QWidget *dialog) {
        if (auto *print = qobject_cast<QPrintDialog *>(dialog); print && PrintToFile(print, pdf)) {
            steered = true;
            print->accept();
            QDir(f.dir.path()).mkdir(QStringLiteral("gone.pdf"));
        }
        Dismiss(dialog);
    });
    f.window->Dispatch(CmdPrint);
    QVERIFY(steered);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(f.box.texts(), QStringList{QStringLiteral("Unable to write to ") + pdf});
    QCOMPARE(f.box.shown.value(0).caption, QStringLiteral("Notice"));
}

// What is being typed into the channel table when Print is chosen is in the
// report: the dispatch commits it before the datasets are filled.
void TestReport::printTakesTheOpenEdit()
{
    ReportFrame f(QStringLiteral("English"));
    QTableView *grid = f.window->ChInfo()->Grid();
    const QModelIndex tx = grid->model()->index(1, Tx - 1); // channel 2
    grid->setCurrentIndex(tx);
    grid->edit(tx);
    QLineEdit *editor = nullptr;
    for (QLineEdit *e : grid->viewport()->findChildren<QLineEdit *>()) {
        if (e->isVisible())
            editor = e;
    }
    QVERIFY(editor);
    editor->setText(QStringLiteral("465"));
    Rows atDialog;
    WhenDialogShows([&](QWidget *dialog) {
        atDialog = RowsOf(f.ws->Report.myAdo);
        Dismiss(dialog);
    });
    f.window->Dispatch(CmdPrint);
    QCOMPARE(atDialog.value(17),
             Row({"8", "Channel Information", "RX Frequency", "462.50000", "TX Frequency", "465.00000"}));
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"

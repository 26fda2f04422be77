#include "mainwindow/MainFrm.h"

#include "core/Workspace.h"
#include "editing/ChInfo.h"
#include "image/FileCommands.h"
#include "link/PortList.h"
#include "link/TransferPlan.h"
#include "localisation/Messages.h"
#include "localisation/MsgBox.h"
#include "localisation/Translate.h"
#include "mainwindow/MainCommands.h"
#include "mainwindow/MainMenu.h"
#include "mainwindow/MdiArea.h"
#include "mainwindow/StatusPanels.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <chrono>

using namespace std::chrono_literals;

namespace {
constexpr auto TimerInterval = 1000ms;
constexpr int TopPanelHeight = 29;  // Panel4
constexpr int ToolPanelWidth = 251; // pBar

QStringList SystemPorts()
{
    QStringList ports;
    ListPorts(&ports);
    return ports;
}

QLabel *NewLabel(const char *name, const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// A static text: the value beside its caption, sunken like an edit.
QLabel *NewStaticText(const char *name, QWidget *parent)
{
    QLabel *text = NewLabel(name, QString(), parent);
    MarkStaticText(text);
    text->setFrameShape(QFrame::StyledPanel);
    text->setFrameShadow(QFrame::Sunken);
    text->setMinimumWidth(120);
    text->setContentsMargins(6, 0, 6, 0);
    return text;
}
} // namespace

TfMainFrm::TfMainFrm(const TMainServices &services, QWidget *parent)
    : QMainWindow(parent), m_services(services)
{
    if (!m_services.listPorts)
        m_services.listPorts = SystemPorts;
    if (!m_services.openUrl)
        m_services.openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };

    setObjectName(QStringLiteral("fMainFrm"));
    m_files = std::make_unique<TFileCommands>(m_services.ws, m_services.box, m_services.chooser);
    m_commands = std::make_unique<TMainCommands>(*this);
    connect(m_files.get(), &TFileCommands::StatusChanged, this, &TfMainFrm::RefreshStatus);

    buildMenus();
    buildPanels();

    m_timer.setInterval(TimerInterval);
    connect(&m_timer, &QTimer::timeout, this, &TfMainFrm::TimerTimer);
    m_timer.start();
}

TfMainFrm::~TfMainFrm() = default;

void TfMainFrm::buildMenus()
{
    for (QAction *item : BuildMenus(menuBar(), this))
        connect(item, &QAction::triggered, this, &TfMainFrm::ButtonClick);
}

void TfMainFrm::buildPanels()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Client"));
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *top = new QFrame(central);
    top->setObjectName(QStringLiteral("Panel4"));
    top->setFixedHeight(TopPanelHeight);
    auto *topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(2, 0, 8, 0);
    topLayout->setSpacing(6);

    m_toolPanel = new QWidget(top);
    m_toolPanel->setObjectName(QStringLiteral("pBar"));
    m_toolPanel->setMinimumWidth(ToolPanelWidth);
    auto *toolLayout = new QHBoxLayout(m_toolPanel);
    toolLayout->setContentsMargins(0, 0, 0, 0);
    m_toolBar = new QToolBar(m_toolPanel);
    m_toolBar->setObjectName(QStringLiteral("tbar"));
    m_toolBar->setIconSize(QSize(20, 20));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setStyleSheet(QStringLiteral("QToolBar { border: none; }"));
    toolLayout->addWidget(m_toolBar);
    for (QAction *button : BuildToolButtons(m_toolBar, this))
        connect(button, &QAction::triggered, this, &TfMainFrm::ButtonClick);

    auto *display = new QWidget(top);
    display->setObjectName(QStringLiteral("Panel5"));
    auto *displayLayout = new QHBoxLayout(display);
    displayLayout->setContentsMargins(12, 3, 0, 3);
    displayLayout->setSpacing(4);
    displayLayout->addWidget(NewLabel("lMode", QStringLiteral("Model Type: "), display));
    m_model = NewStaticText("stModel", display);
    displayLayout->addWidget(m_model);
    displayLayout->addSpacing(12);
    displayLayout->addWidget(NewLabel("Label4", QStringLiteral("Frequency: "), display));
    m_band = NewStaticText("stFreq", display);
    displayLayout->addWidget(m_band);
    displayLayout->addStretch(1);

    topLayout->addWidget(m_toolPanel);
    topLayout->addWidget(display, 1);

    // Hidden: the port caption is the prefix of the port panel; the port
    // list serves the start-up port check.
    m_portCaption = NewLabel("lCom", QStringLiteral("Port: "), top);
    m_portCaption->hide();
    m_ports = new QComboBox(top);
    m_ports->setObjectName(QStringLiteral("cbCom"));
    SetTag(m_ports, -2);
    m_ports->hide();

    auto *line = new QFrame(central);
    line->setObjectName(QStringLiteral("TopLine"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    m_mdi = new TMainMdiArea(central);
    layout->addWidget(top);
    layout->addWidget(line);
    layout->addWidget(m_mdi, 1);
    setCentralWidget(central);

    m_statusBar = new TStatusPanels(this);
    setStatusBar(m_statusBar);

    auto *toolbarItem = findChild<QAction *>(QStringLiteral("nCool"));
    connect(toolbarItem, &QAction::toggled, m_toolPanel, &QWidget::setVisible);
    auto *statusItem = findChild<QAction *>(QStringLiteral("nBar"));
    connect(statusItem, &QAction::toggled, m_statusBar, &QWidget::setVisible);
    auto *exitItem = findChild<QAction *>(QStringLiteral("nExit"));
    connect(exitItem, &QAction::triggered, this, &QWidget::close);
}

TFileCommands &TfMainFrm::FileCommands() const
{
    return *m_files;
}

TfChInfo *TfMainFrm::ChInfo() const
{
    return m_chInfo;
}

QString TfMainFrm::LanguageFile() const
{
    const TALL &all = m_services.ws.All;
    return LanguageFilePath(all.AppFolder, all.LanguageName);
}

void TfMainFrm::ButtonClick()
{
    if (const QObject *item = sender())
        Dispatch(Tag(item));
}

void TfMainFrm::Dispatch(int number)
{
    if (m_chInfo)
        m_chInfo->HideSelectors();
    m_commands->Run(number);
}

void TfMainFrm::ApplyLanguage()
{
    m_commands->ApplyLanguage();
}

void TfMainFrm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_started) {
        m_started = true;
        FormShow();
    }
}

void TfMainFrm::FormShow()
{
    TALL &all = m_services.ws.All;
    m_mdi->LoadBackground();
    if (auto *testOnline = findChild<QAction *>(QStringLiteral("T1")))
        testOnline->setVisible(all.TestOnlineVisible);
    if (const TMacType *first = m_services.ws.Models.Item(0)) {
        SelectModel(all, *first);
        all.BandText = first->DefaultBand;
    }
    CheckPort();
    SelectBand(all, all.BandText); // the band limits of BandText
    m_files->SetFileName(QString());
    if (all.LanguageIndex > 0)
        TranslateWindow(this, LanguageFile(), true);
    setWindowTitle(all.ProductTitle);
    m_portCaption->hide();
    RefreshStatus();
    ShowChannelTable();
    all.Modified = false;
}

void TfMainFrm::CheckPort()
{
    TALL &all = m_services.ws.All;
    m_ports->clear();
    m_ports->addItems(m_services.listPorts());
    // A device named by its path (a pseudo-terminal of the simulated radio,
    // an adapter outside the COM numbering) is never in the list and would
    // not survive upper case: it stays while it exists.
    if (NamesDevice(all.PortName) && QFileInfo::exists(all.PortName))
        return;
    all.PortName = all.PortName.toUpper();
    m_ports->setCurrentIndex(m_ports->findText(all.PortName, Qt::MatchExactly | Qt::MatchCaseSensitive));
    if (m_ports->currentIndex() < 0 && m_ports->count() > 0) {
        m_ports->setCurrentIndex(0);
        all.PortName = m_ports->currentText();
    }
}

void TfMainFrm::RefreshStatus()
{
    const TALL &all = m_services.ws.All;
    m_statusBar->SetPanel(TStatusPanels::Empty0, QString());
    m_statusBar->SetPanel(TStatusPanels::Date, StatusDateText());
    m_statusBar->SetPanel(TStatusPanels::Time, StatusTimeText());
    m_statusBar->SetPanel(TStatusPanels::Empty4, QString());
    m_model->setText(all.ModelName);
    m_band->setText(all.BandText);
    m_statusBar->SetPanel(TStatusPanels::Port, m_portCaption->text() + all.PortName);
    const QString file = m_files->FileName();
    setWindowTitle(file.isEmpty() ? all.ProductTitle
                                  : all.ProductTitle + QStringLiteral(" [") + file + u']');
}

void TfMainFrm::TimerTimer()
{
    m_statusBar->SetPanel(TStatusPanels::Time, StatusTimeText());
}

void TfMainFrm::ShowChannelTable()
{
    if (!m_chInfo) {
        m_chInfo = new TfChInfo(m_services.ws, m_services.box);
        QMdiSubWindow *child = m_mdi->AddPermanentChild(m_chInfo);
        child->setWindowIcon(windowIcon());
        m_chInfo->show();
        child->adjustSize();
        return;
    }
    if (QWidget *child = m_chInfo->parentWidget())
        child->showNormal();
    m_chInfo->show();
}

void TfMainFrm::LoadReadResult(const TReadResult &result)
{
    LoadReadChannels(m_services.ws, result);
    m_services.ws.All.Modified = true;
    m_files->SetFileName(QString());
    RefreshStatus();
}

void TfMainFrm::closeEvent(QCloseEvent *event)
{
    if (m_chInfo)
        m_chInfo->HideSelectors(); // what was typed counts as a change
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TfMainFrm::FormCloseQuery()
{
    TWorkspace &ws = m_services.ws;
    if (m_services.box.MsgBox(ws.Language.Confirmation, ws.Language.ExitProgram, MsgYesNo) != IdYes)
        return false;
    // A save the user asked for and did not get keeps the window open.
    return m_files->OfferSave();
}

void TfMainFrm::FormClose()
{
    m_timer.stop();
    QString error;
    if (!SaveSettings(m_services.ws.All, m_services.settings, &error))
        m_services.box.MsgBox(m_services.ws.Language.Confirmation, error, MsgInformation);
}

#include "link/SetPort.h"

#include "core/AppState.h"
#include "localisation/FormParts.h"
#include "localisation/Messages.h"
#include "localisation/Translate.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

namespace {

constexpr int KeepItems = -2;
constexpr int ListMinimumWidth = 180; // wide enough for the caption to fit the title bar
constexpr int HintWidth = 360;

// "/dev/ttyUSB0  FT232R USB UART"
QString DeviceText(const TPortEntry &entry)
{
    if (entry.description.isEmpty())
        return entry.device;
    return entry.device + QStringLiteral("  ") + entry.description;
}

} // namespace

TfSetPort::TfSetPort(TALL &all, QWidget *parent, TPortScan scan)
    : QDialog(parent, FixedDialogFlags),
      m_all(all), m_scan(scan ? std::move(scan) : TPortScan(ScanPorts))
{
    setObjectName(QStringLiteral("fSetPort"));
    setWindowTitle(QStringLiteral("Communication Port"));

    lbName = NewCaption("lbName", QStringLiteral("通Port:"), this);
    cbCom = NewFixedList("cbCom", KeepItems, ListMinimumWidth, this);
    lbName->setBuddy(cbCom);

    lbDevice = new QLabel(this);
    lbDevice->setObjectName(QStringLiteral("lbDevice"));
    lbDevice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    MarkStaticText(lbDevice);

    lbPermission = new QLabel(
        QStringLiteral("A serial port is present that you may not open. Join the dialout group "
                       "with this command, then log out and in again:"),
        this);
    lbPermission->setObjectName(QStringLiteral("lbPermission"));
    lbPermission->setWordWrap(true);
    lbPermission->setFixedWidth(HintWidth);
    lbPermission->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The command on a line of its own, never broken, to be copied as it is.
    lbPermissionCommand = new QLabel(QStringLiteral("sudo usermod -aG dialout $USER"), this);
    lbPermissionCommand->setObjectName(QStringLiteral("lbPermissionCommand"));
    lbPermissionCommand->setTextInteractionFlags(Qt::TextSelectableByMouse);
    MarkStaticText(lbPermissionCommand);
    lbPermission->hide();
    lbPermissionCommand->hide();

    auto *grid = new QGridLayout(this);
    grid->addWidget(lbName, 0, 0);
    grid->addWidget(cbCom, 0, 1);
    grid->addWidget(lbDevice, 1, 1);
    grid->addWidget(lbPermission, 2, 0, 1, 2);
    grid->addWidget(lbPermissionCommand, 3, 0, 1, 2);
    auto *buttons = NewOkCancelRow(btnOk, btnCancel, this);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(cbCom, &QComboBox::currentIndexChanged, this, &TfSetPort::cbComChange);
    connect(btnOk, &QPushButton::clicked, this, &TfSetPort::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfSetPort::btnCancelClick);
}

void TfSetPort::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TfSetPort::FormShow()
{
    if (m_all.LanguageIndex > 0)
        TranslateWindow(this, LanguageFilePath(m_all.AppFolder, m_all.LanguageName), true);

    const QList<TPortEntry> ports = m_scan();
    m_listed.clear();
    for (const TPortEntry &entry : ports)
        if (entry.state == TPortEntry::Free)
            m_listed.append(entry);
    // A port given as a device path is none of the COM ports, but it is the
    // user's choice all the same.
    if (NamesDevice(m_all.PortName)) {
        TPortEntry direct;
        direct.comName = m_all.PortName;
        direct.device = m_all.PortName;
        m_listed.append(direct);
    }
    {
        const QSignalBlocker quiet(cbCom);
        cbCom->clear();
        for (const TPortEntry &entry : m_listed)
            cbCom->addItem(entry.comName);
        cbCom->setCurrentIndex(cbCom->count() > 0 ? 0 : -1);
        const int found = cbCom->findText(m_all.PortName, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (found >= 0)
            cbCom->setCurrentIndex(found);
    }
    cbComChange();
    const bool forbidden = AnyPortWithoutPermission(ports);
    lbPermission->setVisible(forbidden);
    lbPermissionCommand->setVisible(forbidden);
}

void TfSetPort::cbComChange()
{
    const int i = cbCom->currentIndex();
    lbDevice->setText(i >= 0 && i < m_listed.size() ? DeviceText(m_listed.at(i)) : QString());
}

void TfSetPort::btnOKClick()
{
    // With no port to choose from, the stored one is kept for when its
    // adapter is back.
    if (cbCom->count() > 0)
        m_all.PortName = cbCom->currentText();
    accept();
}

void TfSetPort::btnCancelClick()
{
    reject();
}

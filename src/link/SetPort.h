#pragma once
// The port dialog: the user picks the serial port the radio is on.
//
// Shown, it lists the free ports ("COM" + number) with the port of PortName
// selected (exactly, case counts; otherwise the first one) and, beside the
// list, the device and adapter of the chosen port. A PortName that names a
// device directly ("/dev/pts/3", a simulated radio) is not among the COM
// ports: it is listed last and selected, so that Ok keeps it. When a serial
// device is present that this user may not open, the dialog says how to get
// the permission instead of leaving the port out without a word.
//
// Ok takes the chosen port into PortName; with nothing listed it leaves
// PortName as it is. Cancel changes nothing.

#include "link/PortList.h"

#include <QDialog>
#include <QList>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
struct TALL;

using TPortScan = std::function<QList<TPortEntry>()>;

class TfSetPort : public QDialog {
    Q_OBJECT
public:
    // objectName "fSetPort". scan: none is ScanPorts.
    TfSetPort(TALL &all, QWidget *parent = nullptr, TPortScan scan = {});

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void cbComChange();
    void btnOKClick();
    void btnCancelClick();

    TALL &m_all;
    TPortScan m_scan;
    QList<TPortEntry> m_listed; // parallel to the items of cbCom

    QLabel *lbName;
    QComboBox *cbCom;
    QLabel *lbDevice;
    QLabel *lbPermission;
    QLabel *lbPermissionCommand; // static text
    QPushButton *btnOk;
    QPushButton *btnCancel;
};

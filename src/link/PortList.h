#pragma once
// Which serial ports exist and are free, and how a port name becomes a
// device. Port names are "COM" + number with a fixed numbering on Linux:
//   COM1..COM32   /dev/ttyS0..31
//   COM33..COM64  /dev/ttyUSB0..31
//   COM65..COM96  /dev/ttyACM0..31
// On Windows the system's own COM names. A port name that starts with "/"
// names a device directly (pseudo-terminals, unusual adapters).

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

struct TPortEntry {
    enum State { Free, Busy, NoPermission };
    QString comName;     // "COM33"
    QString device;      // "/dev/ttyUSB0"
    QString description; // the adapter's own description, may be empty
    State state = Free;
};

// Every serial device that exists, in increasing port number, with whether
// it could be opened exclusively at this moment. Devices of no COM number
// (pseudo-terminals) are not listed.
QList<TPortEntry> ScanPorts();

// Appends "COM" + number for each free port, in increasing order. A null
// list does nothing.
void ListPorts(QStringList *list);

// The port number behind "COM": the integer from the fourth character on
// ("COM12" 12, "Com1" 1); -1 when there is none.
int PortNumber(const QString &portName);

// Whether a port name names a device directly ("/dev/pts/4"): such a name is
// in no port list and keeps its case.
bool NamesDevice(const QString &portName);
// The device to open for a port name: "COM33" -> "/dev/ttyUSB0" on Linux,
// "/dev/pts/4" -> "/dev/pts/4". Empty when the name gives no device.
QString DeviceOfPortName(const QString &portName);

// The COM name of a device ("/dev/ttyUSB0" -> "COM33"); empty when the device
// has no number in the scheme.
QString ComNameOfDevice(const QString &device);

// Whether a serial device is present that this user may not open: the
// dialog's hint to join the dialout group.
bool AnyPortWithoutPermission(const QList<TPortEntry> &ports);

// How one device answered when the scan looked at it.
struct TPortProbe {
    enum Result {
        Absent,       // no such device, or a device node without hardware
                      // behind it (a ttyS of a UART the machine does not have)
        Free,
        Busy,         // held by a program (its lock file, or the exclusive flag)
        NoPermission, // this user may not open it
    };
    Result result = Absent;
    QString description; // the adapter's description, or its manufacturer
};
using TPortProber = std::function<TPortProbe(const QString &device)>;

// The devices ScanPorts looks at, in increasing port number: on Linux the
// 96 devices of the numbering, on Windows the ports the system lists.
QStringList CandidateDevices();
// ScanPorts with another prober, so that the numbering, the order and the
// states can be checked without serial hardware.
QList<TPortEntry> ScanPortsWith(const QStringList &devices, const TPortProber &probe);
// The system's answer for one device: exists, has hardware behind it, is
// not locked by a live process, and opens for reading and writing now.
TPortProbe ProbeDevice(const QString &device);

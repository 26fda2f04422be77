#include "link/PortList.h"

#include <QFile>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSerialPort>
#endif

namespace {

const QString kComPrefix = QStringLiteral("COM");

#ifdef Q_OS_LINUX
// The numbering: each family of devices owns 32 port numbers.
struct DeviceFamily {
    const char *prefix;
    int firstPort;
};
constexpr int kFamilySize = 32;
constexpr DeviceFamily kFamilies[] = {
    {"/dev/ttyS", 1},
    {"/dev/ttyUSB", 33},
    {"/dev/ttyACM", 65},
};
const QString kUartFamily = QStringLiteral("/dev/ttyS");

// Where QSerialPort and other serial programs put their lock files
// "LCK..<device name below /dev, '/' as '_'>".
const char *const kLockDirs[] = {"/var/lock", "/etc/locks", "/var/spool/locks", "/var/spool/uucp",
                                 "/tmp",      "/var/tmp",   "/var/lock/lockdev", "/run/lock"};

QString deviceName(const QString &device)
{
    QString name = device;
    if (name.startsWith(QStringLiteral("/dev/")))
        name.remove(0, 5);
    return name;
}

// A lock file whose first line is the process id of a live process.
bool lockedByLiveProcess(const QString &device)
{
    const QString file = QStringLiteral("/LCK..") + QString(deviceName(device)).replace(u'/', u'_');
    for (const char *dir : kLockDirs) {
        QFile lock(QString::fromLatin1(dir) + file);
        if (!lock.open(QIODevice::ReadOnly))
            continue;
        bool ok = false;
        const qint64 pid = QString::fromLatin1(lock.readLine(32)).trimmed().toLongLong(&ok);
        if (ok && pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM))
            return true;
    }
    return false;
}

// A ttyS device node exists for every UART the kernel could drive, present
// or not; one without hardware has port type "unknown" (0).
bool uartMissing(const QString &device, int openHandle)
{
    if (!device.startsWith(kUartFamily))
        return false;
    QFile type(QStringLiteral("/sys/class/tty/%1/type").arg(deviceName(device)));
    if (type.open(QIODevice::ReadOnly))
        return type.readAll().trimmed() == "0";
    serial_struct info{};
    if (openHandle >= 0 && ::ioctl(openHandle, TIOCGSERIAL, &info) == 0)
        return info.type == PORT_UNKNOWN;
    return false;
}
#endif

QString descriptionOf(const QString &device)
{
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        if (info.systemLocation() == device || info.portName() == device)
            return !info.description().isEmpty() ? info.description() : info.manufacturer();
    }
    return {};
}

TPortEntry::State entryState(TPortProbe::Result result)
{
    switch (result) {
    case TPortProbe::Busy:
        return TPortEntry::Busy;
    case TPortProbe::NoPermission:
        return TPortEntry::NoPermission;
    default:
        return TPortEntry::Free;
    }
}

} // namespace

int PortNumber(const QString &portName)
{
    bool ok = false;
    const int number = portName.mid(3).toInt(&ok);
    return ok ? number : -1;
}

bool NamesDevice(const QString &portName)
{
    return portName.startsWith(u'/');
}

QString DeviceOfPortName(const QString &portName)
{
    if (NamesDevice(portName))
        return portName;
    const int number = PortNumber(portName);
#ifdef Q_OS_LINUX
    for (const DeviceFamily &family : kFamilies) {
        if (number >= family.firstPort && number < family.firstPort + kFamilySize)
            return QString::fromLatin1(family.prefix) + QString::number(number - family.firstPort);
    }
    return {};
#else
    return number >= 1 ? kComPrefix + QString::number(number) : QString();
#endif
}

QString ComNameOfDevice(const QString &device)
{
#ifdef Q_OS_LINUX
    static const QRegularExpression numbered(QStringLiteral("^(/dev/tty(?:S|USB|ACM))(0|[1-9][0-9]?)$"));
    const QRegularExpressionMatch match = numbered.match(device);
    if (!match.hasMatch())
        return {};
    const int index = match.captured(2).toInt();
    for (const DeviceFamily &family : kFamilies) {
        if (match.captured(1) == QLatin1String(family.prefix) && index < kFamilySize)
            return kComPrefix + QString::number(family.firstPort + index);
    }
    return {};
#else
    const int number = PortNumber(device);
    return device.startsWith(kComPrefix, Qt::CaseInsensitive) && number >= 1 ? kComPrefix + QString::number(number)
                                                                             : QString();
#endif
}

QStringList CandidateDevices()
{
    QStringList devices;
#ifdef Q_OS_LINUX
    for (const DeviceFamily &family : kFamilies)
        for (int i = 0; i < kFamilySize; ++i)
            devices.append(QString::fromLatin1(family.prefix) + QString::number(i));
#else
    QList<int> numbers;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        if (const int n = PortNumber(info.portName()); n >= 1 && !numbers.contains(n))
            numbers.append(n);
    std::sort(numbers.begin(), numbers.end());
    for (const int n : numbers)
        devices.append(kComPrefix + QString::number(n));
#endif
    return devices;
}

QList<TPortEntry> ScanPortsWith(const QStringList &devices, const TPortProber &probe)
{
    QList<TPortEntry> entries;
    for (const QString &device : devices) {
        const QString comName = ComNameOfDevice(device);
        if (comName.isEmpty())
            continue;
        const TPortProbe found = probe(device);
        if (found.result == TPortProbe::Absent)
            continue;
        entries.append({comName, device, found.description, entryState(found.result)});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const TPortEntry &a, const TPortEntry &b) {
        return PortNumber(a.comName) < PortNumber(b.comName);
    });
    return entries;
}

TPortProbe ProbeDevice(const QString &device)
{
    TPortProbe probe;
#ifdef Q_OS_LINUX
    const QByteArray path = QFile::encodeName(device);
    struct stat st {};
    if (::stat(path.constData(), &st) != 0 || !S_ISCHR(st.st_mode))
        return probe;
    if (uartMissing(device, -1))
        return probe;
    probe.description = descriptionOf(device);
    // Root opens through the kernel's exclusive flag: only the lock file
    // tells that another program has the port.
    if (lockedByLiveProcess(device)) {
        probe.result = TPortProbe::Busy;
        return probe;
    }
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        switch (errno) {
        case EACCES:
        case EPERM:
            probe.result = TPortProbe::NoPermission;
            break;
        case EBUSY:
            probe.result = TPortProbe::Busy;
            break;
        default: // ENOENT, ENXIO, ENODEV, EIO: nothing answers behind the node
            probe.result = TPortProbe::Absent;
            break;
        }
        return probe;
    }
    probe.result = uartMissing(device, fd) ? TPortProbe::Absent : TPortProbe::Free;
    ::close(fd);
#else
    QSerialPort port(device);
    if (port.open(QIODevice::ReadWrite)) {
        probe.result = TPortProbe::Free;
        port.close();
    } else if (port.error() == QSerialPort::PermissionError) {
        probe.result = TPortProbe::Busy; // Windows: access denied means in use
    }
    probe.description = descriptionOf(device);
#endif
    return probe;
}

QList<TPortEntry> ScanPorts()
{
    return ScanPortsWith(CandidateDevices(), ProbeDevice);
}

void ListPorts(QStringList *list)
{
    if (!list)
        return;
    for (const TPortEntry &entry : ScanPorts())
        if (entry.state == TPortEntry::Free)
            list->append(entry.comName);
}

bool AnyPortWithoutPermission(const QList<TPortEntry> &ports)
{
    return std::any_of(ports.begin(), ports.end(),
                       [](const TPortEntry &p) { return p.state == TPortEntry::NoPermission; });
}

#include "link/QtSerialLine.h"

#include <QFile>
#include <QFileInfo>
#include <QMetaObject>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace {

QSerialPort::Parity parityOf(char parity)
{
    switch (parity) {
    case 'E':
        return QSerialPort::EvenParity;
    case 'O':
        return QSerialPort::OddParity;
    default:
        return QSerialPort::NoParity;
    }
}

// Qt says PermissionError both for a device this user may not open and for
// one that another program holds (its lock file, or the exclusive flag).
TOpenError permissionOrBusy(const QString &device)
{
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(device);
    if (::access(path.constData(), R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM))
        return TOpenError::NoPermission;
    return TOpenError::Busy;
#else
    Q_UNUSED(device);
    return TOpenError::Busy; // Windows: "access denied" is a port in use
#endif
}

#ifdef Q_OS_LINUX
long long errorCounters(int handle)
{
    serial_icounter_struct counts{};
    if (handle < 0 || ::ioctl(handle, TIOCGICOUNT, &counts) != 0)
        return -1;
    return static_cast<long long>(counts.frame) + counts.overrun + counts.parity + counts.brk + counts.buf_overrun;
}
#endif

} // namespace

// The port is a child, so that moving the line to a worker thread moves it too.
TQtSerialLine::TQtSerialLine(QObject *parent) : TSerialLine(parent), m_port(this)
{
    connect(&m_port, &QSerialPort::errorOccurred, this, &TQtSerialLine::onError);
    connect(&m_port, &QSerialPort::readyRead, this, &TQtSerialLine::onReadyRead);
}

TQtSerialLine::~TQtSerialLine()
{
    Close();
}

TOpenResult TQtSerialLine::Open(const QString &device, const TLineSettings &settings)
{
    Close();
    m_requested = settings;
    m_device = device;
    if (device.isEmpty())
        return {TOpenError::BadName, QStringLiteral("no device given")};

    m_port.setPortName(device);
    const bool applied = m_port.setBaudRate(settings.baudRate)
        && m_port.setDataBits(QSerialPort::DataBits(settings.dataBits))
        && m_port.setParity(parityOf(settings.parity))
        && m_port.setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop)
        && m_port.setFlowControl(settings.flowControl ? QSerialPort::HardwareControl : QSerialPort::NoFlowControl);
    if (!applied)
        return {TOpenError::Other, QStringLiteral("%1: line settings refused").arg(device)};

    if (!m_port.open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError error = m_port.error();
        const QString detail = QStringLiteral("%1: %2").arg(device, m_port.errorString());
        m_port.clearError();
        switch (error) {
        case QSerialPort::DeviceNotFoundError:
            return {TOpenError::NotFound, detail};
        case QSerialPort::PermissionError:
            return {permissionOrBusy(device), detail};
        default:
#ifdef Q_OS_UNIX
            if (device.startsWith(u'/') && !QFileInfo::exists(device))
                return {TOpenError::NotFound, detail};
#endif
            return {TOpenError::Other, detail};
        }
    }
    // The link expects both raised, as a serial port has them after opening.
    m_port.setDataTerminalReady(true);
    m_port.setRequestToSend(true);
    m_port.clearError(); // a pseudo-terminal refuses both: harmless
#ifdef Q_OS_LINUX
    m_errorCount = errorCounters(int(m_port.handle()));
#endif
    return {};
}

void TQtSerialLine::Close()
{
    ++m_session;
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
    m_losing = false;
}

bool TQtSerialLine::IsOpen() const
{
    return m_port.isOpen() && !m_losing;
}

void TQtSerialLine::Send(const QByteArray &bytes)
{
    if (IsOpen())
        m_port.write(bytes);
}

QByteArray TQtSerialLine::TakeAll()
{
    return IsOpen() ? m_port.readAll() : QByteArray();
}

void TQtSerialLine::DiscardInput()
{
    if (IsOpen()) {
        m_port.clear(QSerialPort::Input);
        m_port.readAll(); // what Qt had buffered already
    }
}

void TQtSerialLine::DiscardOutput()
{
    if (IsOpen())
        m_port.clear(QSerialPort::Output);
}

qint64 TQtSerialLine::PendingOutput() const
{
    if (!IsOpen())
        return 0;
    qint64 pending = m_port.bytesToWrite();
#ifdef Q_OS_LINUX
    // What Qt has handed on may still wait in the driver: the end command
    // must be on the wire before the port closes.
    int queued = 0;
    if (::ioctl(int(m_port.handle()), TIOCOUTQ, &queued) == 0)
        pending += queued;
#endif
    return pending;
}

void TQtSerialLine::onError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::ResourceError:
        if (m_port.isOpen() && !m_losing) {
            m_losing = true;
            // Closed from the event loop, not from inside Qt's own read
            // notification; until then IsOpen() says false and the errors
            // that keep coming are dropped here.
            const QString detail = m_port.errorString();
            QMetaObject::invokeMethod(
                this, [this, session = m_session, detail] { loseLine(session, detail); }, Qt::QueuedConnection);
        }
        break;
    default:
        // NoError (every open, every clearError), UnsupportedOperationError
        // (DTR/RTS on a pseudo-terminal), and the errors Open reports itself.
        break;
    }
}

void TQtSerialLine::loseLine(int session, const QString &detail)
{
    if (session != m_session)
        return; // closed or reopened in the meantime
    Close();
    emit Lost(QStringLiteral("%1: %2").arg(m_device, detail));
}

void TQtSerialLine::onReadyRead()
{
    if (m_losing)
        return;
    if (lineErrorsCounted())
        emit LineError();
    emit DataWaiting();
}

bool TQtSerialLine::lineErrorsCounted()
{
#ifdef Q_OS_LINUX
    if (m_errorCount < 0)
        return false;
    const long long now = errorCounters(int(m_port.handle()));
    const bool more = now > m_errorCount;
    if (now >= 0)
        m_errorCount = now;
    return more;
#else
    return false;
#endif
}

#pragma once
// The serial port as the link sees it: open with line settings, queue bytes,
// take what arrived, discard buffers, and three notifications delivered on
// the thread that owns the line (the UI thread in the program). The real
// implementation is QtSerialLine; tests use a line with a radio inside it.

#include <QByteArray>
#include <QObject>
#include <QString>

// The line settings of the radio link: 9600 baud, 8 data bits, no parity,
// 2 stop bits, no flow control. Kept as values so that a test line can check
// what was asked for (a pseudo-terminal ignores all of them).
struct TLineSettings {
    int baudRate = 9600;
    int dataBits = 8;
    char parity = 'N';       // 'N' none
    int stopBits = 2;
    bool flowControl = false;
    bool operator==(const TLineSettings &) const = default;
};

enum class TOpenError {
    None,
    NotFound,     // no such device
    NoPermission, // the device exists but this user may not open it (dialout)
    Busy,         // another program holds it (lock file or exclusive open)
    BadName,      // the port name names no device ("COMx", empty)
    Other,        // settings refused, or anything else; detail says what
};

struct TOpenResult {
    TOpenError error = TOpenError::None;
    QString detail; // the system's text, for logs and the command line
    bool ok() const { return error == TOpenError::None; }
};

class TSerialLine : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~TSerialLine() override = default;

    // Closes the line if it is open, then opens device with settings.
    virtual TOpenResult Open(const QString &device, const TLineSettings &settings) = 0;
    // Closing a closed line does nothing.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Queues bytes for sending and returns at once; bytes go out in order.
    // Ignored when the line is closed.
    virtual void Send(const QByteArray &bytes) = 0;
    // Takes every received byte that is waiting.
    virtual QByteArray TakeAll() = 0;
    virtual void DiscardInput() = 0;
    virtual void DiscardOutput() = 0;
    // Bytes queued but not yet handed to the device.
    virtual qint64 PendingOutput() const = 0;

signals:
    // Received bytes are waiting (possibly only part of a reply).
    void DataWaiting();
    // Overrun, parity or framing error, or a break.
    void LineError();
    // The device went away (cable pulled, the other end of a pseudo-terminal
    // closed). The line has already closed itself; nothing more arrives.
    void Lost(const QString &detail);
};

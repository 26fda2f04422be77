#pragma once
// The serial line over QSerialPort. It lives on the thread that owns it; its
// notifications come from that thread's event loop.
//
// What QSerialPort does not say by itself:
// - The line settings are set before the port opens, so that a setting the
//   device refuses fails the open instead of going unnoticed.
// - Raising DTR and RTS fails on a pseudo-terminal: harmless, ignored.
// - The first read, write or resource error means the device is gone (a
//   cable pulled, the other end of a pseudo-terminal closed; Qt repeats the
//   read error endlessly then): the line closes itself and says Lost, once.
// - Qt 6 reports no parity, framing or overrun errors nor breaks. Where the
//   driver counts them (TIOCGICOUNT: UARTs and most USB adapters) the line
//   compares the counters whenever bytes arrive and says LineError when one
//   went up.
// - PendingOutput counts what still waits in the driver too, where it says.

#include "link/SerialLine.h"

#include <QSerialPort>

class TQtSerialLine : public TSerialLine {
    Q_OBJECT
public:
    explicit TQtSerialLine(QObject *parent = nullptr);
    ~TQtSerialLine() override;

    TOpenResult Open(const QString &device, const TLineSettings &settings) override;
    void Close() override;
    bool IsOpen() const override;

    void Send(const QByteArray &bytes) override;
    QByteArray TakeAll() override;
    void DiscardInput() override;
    void DiscardOutput() override;
    qint64 PendingOutput() const override;

    // What the last Open asked for, whatever the device made of it.
    TLineSettings RequestedSettings() const { return m_requested; }
    QString Device() const { return m_device; }

private:
    void onError(QSerialPort::SerialPortError error);
    void onReadyRead();
    void loseLine(int session, const QString &detail);
    bool lineErrorsCounted();

    QSerialPort m_port;
    TLineSettings m_requested;
    QString m_device;
    int m_session = 0;    // counts opens, so that a late loss of a closed line is dropped
    bool m_losing = false;
    long long m_errorCount = -1; // the driver's error counters, -1 when it keeps none
};

#pragma once
// A serial line with a simulated radio inside it, for protocol tests: what
// the computer sends goes to the radio, and the radio's replies come back
// through the event loop (never inside Send), each after its delay. It
// records the settings asked for and every byte sent, and can inject what a
// pseudo-terminal cannot: line errors, lost replies, replies cut into
// single-byte notifications or joined with surplus bytes, a stray byte in
// front of a reply, a device that goes away, output that never drains.

#include "link/RadioSim.h"
#include "link/SerialLine.h"

#include <QList>
#include <chrono>

class TestLine : public TSerialLine {
    Q_OBJECT
public:
    // What happens to the reply to the N-th frame the radio receives (1-based,
    // counted over the radio's life as its Frames() log does).
    enum class Injection {
        LineError, // the reply is lost and the line reports an error
        LoseReply, // the reply never arrives
        Surplus,   // two more bytes arrive in the same notification
        Stray,     // a 0x00 arrives in front of the reply
        Lost,      // the device goes away instead of replying
    };

    explicit TestLine(const QString &modelCode = QStringLiteral("6842"), QObject *parent = nullptr);

    TRadioSim &Radio() { return m_radio; }
    void Inject(Injection what, int frame) { m_injections.append({what, frame}); }

    // Every reply delivered one byte per notification.
    bool splitBytes = false;
    // Extra wait before every reply.
    std::chrono::milliseconds replyDelay{0};
    // PendingOutput never reaches zero.
    bool stuckOutput = false;
    // When the radio's first session ends, its memory at this address is
    // changed (a write that did not take); -1 none.
    int corruptAddress = -1;
    // The next Open fails with this.
    TOpenError failOpen = TOpenError::None;

    TLineSettings requested;
    QString device;
    QByteArray sent;
    int opens = 0;
    int discards = 0;

    // Emits LineError now, as a driver would between two notifications.
    void RaiseLineError() { emit LineError(); }

    TOpenResult Open(const QString &device, const TLineSettings &settings) override;
    void Close() override;
    bool IsOpen() const override { return m_open; }
    void Send(const QByteArray &bytes) override;
    QByteArray TakeAll() override;
    void DiscardInput() override;
    void DiscardOutput() override;
    qint64 PendingOutput() const override { return m_open && stuckOutput ? 1 : 0; }

private:
    struct Planned {
        Injection what;
        int frame;
    };
    void deliver(const QByteArray &bytes, std::chrono::milliseconds delay);
    void loseDevice();

    TRadioSim m_radio;
    QList<Planned> m_injections;
    QByteArray m_inbox;
    bool m_open = false;
    int m_session = 0; // counts opens and closes: a reply for an earlier one is dropped
};

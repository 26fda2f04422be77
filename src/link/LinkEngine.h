#pragma once
// The radio link of one transfer dialog, run as a state machine on the
// thread that owns the line: the wake-up handshake and identification, the
// frame exchanges (a read request, a write frame, an acknowledgement), the
// end command with its drain wait, the receive rules, and the HeadTime and
// TryTime supervision. Nothing blocks: every pause is a single-shot timer and
// every exchange reports through its continuation.
//
// One exchange is in progress at a time. A time-out, a new attempt or
// Stop() abandons it: its continuation is dropped and never runs. A line error fails it through LineFault.
//
// The side decides the link's two differences: a read side hands a complete
// reply on after StepPause, a write side at once and then settles for
// WriteSettle after each frame's reply.

#include "link/ReceiveBuffer.h"
#include "link/StepTimer.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class TSerialLine;

class TLinkEngine : public QObject {
    Q_OBJECT
public:
    enum class Side { Read, Write };
    enum class State {
        Transfer,  // block exchanges (or nothing: bytes have no effect)
        WaitAck,   // wake-up sent, acknowledgement awaited
        WaitIdent, // identification awaited
        Ended,     // the attempt is over; replies are ignored
    };
    using FrameDone = std::function<void(bool ok, const QByteArray &reply)>;
    using Done = std::function<void(bool ok)>;

    TLinkEngine(TSerialLine &line, Side side, QObject *parent = nullptr);
    ~TLinkEngine() override;

    void SetSide(Side side) { m_side = side; }

    // What the dialog does with the link's events. Each is called from the
    // line's notification or a timer; a handler must not show a box itself.
    std::function<void(const QString &modelCode)> onIdentified; // the model check's turn
    std::function<void()> onHeadTimeout;   // no acknowledgement or identification in time
    std::function<void()> onTryTimeout;    // a reply not complete in time
    std::function<void()> onLineError;     // the dialog's part, before FailExchange
    std::function<void(const QString &detail)> onLost; // the line went away

    // A new dialog: Transfer state, nothing awaited, nothing pending; the
    // link listens to the line from here on.
    void Reset();
    // The dialog is closing: everything stopped, and the line's notifications
    // are no longer taken (another dialog may use the same line next).
    void Detach();
    // RecvCount 0, HeadTime started, the wake-up sent with its pauses. Abandons
    // whatever the previous attempt left.
    void StartHandshake();
    // The model check let the transfer go: Transfer state, StepPause, then
    // start runs.
    void BeginTransfer(std::function<void()> start);

    // SendFrame: the frame queued, TryTime, the reply of replyLength awaited.
    // ok is false after a line error; reply holds the bytes stored for it.
    void SendFrame(const QByteArray &frame, int replyLength, FrameDone done);
    // SendAck: 0x06 and the radio's 0x06, under TryTime like a frame.
    void SendAck(Done done);
    // SendEnd: 0x45, then the drain wait: up to DrainLooks looks DrainLook
    // apart while the line still holds output. Always succeeds.
    void SendEnd(std::function<void()> done);

    // The link part of a line error: the exchange in progress fails.
    void FailExchange();
    // TryTime on the dialog's behalf (the read side after a later line error).
    void StartTryTime();
    // The attempt ends: Ended state, timers stopped, the exchange abandoned.
    void EndAttempt();
    // Everything stopped and dropped; the line is not touched.
    void Stop();

    State LinkState() const { return m_state; }
    bool LineFault() const { return m_lineFault; }
    const TReceiveBuffer &Buffer() const { return m_buffer; }

private:
    void onDataWaiting();
    void onLineErrorNotified();
    void onLostNotified(const QString &detail);
    void replyComplete();
    void sendLetter(int index);
    void acknowledgementArrived();
    void identificationArrived();
    void await(int replyLength, std::function<void()> woken);
    void wake();
    void lookDrained(int looksLeft, std::function<void()> done);
    void tryTimedOut();
    void abandonExchange();

    TSerialLine &m_line;
    QList<QMetaObject::Connection> m_connections;
    Side m_side;
    State m_state = State::Transfer;
    TReceiveBuffer m_buffer;
    bool m_lineFault = false;
    bool m_identTaken = false;  // the identification of this attempt is in
    bool m_asleep = false;      // the reply is awaited
    bool m_wakeDue = false;     // the reply is complete, handed on shortly
    std::function<void()> m_woken;
    QByteArray m_reply;         // the reply handed to the exchange
    TStepTimer m_headTime;
    TStepTimer m_tryTime;
    TStepTimer m_letters;       // the wake-up's letters
    TStepTimer m_pause;         // the link's other pauses
    TStepTimer m_handOn;        // read side: StepPause before a reply is handed on
};

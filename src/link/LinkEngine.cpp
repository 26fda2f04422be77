#include "link/LinkEngine.h"

#include "link/LinkFrames.h"
#include "link/LinkTimings.h"
#include "link/SerialLine.h"

using namespace LinkTimings;

TLinkEngine::TLinkEngine(TSerialLine &line, Side side, QObject *parent)
    : QObject(parent), m_line(line), m_side(side)
{
}

TLinkEngine::~TLinkEngine()
{
    Detach();
}

void TLinkEngine::Detach()
{
    Stop();
    for (const QMetaObject::Connection &c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
}

void TLinkEngine::Reset()
{
    Stop();
    if (m_connections.isEmpty()) {
        m_connections = {
            connect(&m_line, &TSerialLine::DataWaiting, this, &TLinkEngine::onDataWaiting),
            connect(&m_line, &TSerialLine::LineError, this, &TLinkEngine::onLineErrorNotified),
            connect(&m_line, &TSerialLine::Lost, this, &TLinkEngine::onLostNotified),
        };
    }
    m_state = State::Transfer;
    m_buffer = TReceiveBuffer();
    m_lineFault = false;
}

void TLinkEngine::Stop()
{
    EndAttempt();
}

void TLinkEngine::EndAttempt()
{
    abandonExchange();
    m_headTime.Stop();
    m_tryTime.Stop();
    m_letters.Stop();
    m_state = State::Ended;
}

void TLinkEngine::abandonExchange()
{
    m_asleep = false;
    m_wakeDue = false;
    m_woken = nullptr;
    m_handOn.Stop();
    m_pause.Stop();
}

void TLinkEngine::StartTryTime()
{
    m_tryTime.Start(TryTime, [this] { tryTimedOut(); });
}

void TLinkEngine::tryTimedOut()
{
    abandonExchange();
    if (onTryTimeout)
        onTryTimeout();
}

// ---- receiving ------------------------------------------------------------

void TLinkEngine::onDataWaiting()
{
    if (m_buffer.Take(m_line.TakeAll()))
        replyComplete();
}

void TLinkEngine::replyComplete()
{
    switch (m_state) {
    case State::Transfer:
        // A reply completed while nothing is awaited (stray or surplus bytes)
        // wakes nobody; a reply already being handed on keeps its bytes.
        if (!m_asleep || m_wakeDue)
            return;
        m_reply = m_buffer.Reply();
        if (m_side == Side::Read) {
            m_wakeDue = true;
            m_handOn.Start(StepPause, [this] { wake(); });
        } else {
            wake();
        }
        return;
    case State::WaitAck:
        acknowledgementArrived();
        return;
    case State::WaitIdent:
        identificationArrived();
        return;
    case State::Ended:
        return;
    }
}

void TLinkEngine::onLineErrorNotified()
{
    if (onLineError)
        onLineError();
}

void TLinkEngine::onLostNotified(const QString &detail)
{
    Stop();
    if (onLost)
        onLost(detail);
}

void TLinkEngine::FailExchange()
{
    m_lineFault = true;
    if (m_asleep)
        wake();
}

// ---- exchanges --------------------------------------------------------------

void TLinkEngine::await(int replyLength, std::function<void()> woken)
{
    abandonExchange();
    m_buffer.Expect(replyLength);
    m_lineFault = false;
    m_asleep = true;
    m_woken = std::move(woken);
}

void TLinkEngine::wake()
{
    if (!m_asleep)
        return;
    m_asleep = false;
    m_wakeDue = false;
    m_handOn.Stop();
    m_tryTime.Stop();
    std::function<void()> woken = std::move(m_woken);
    m_woken = nullptr;
    if (woken)
        woken();
}

void TLinkEngine::SendFrame(const QByteArray &frame, int replyLength, FrameDone done)
{
    await(replyLength, [this, done = std::move(done)] {
        auto finish = [this, done] {
            const QByteArray reply = m_reply;
            done(!m_lineFault, reply);
        };
        if (m_side == Side::Write)
            m_pause.Start(WriteSettle, finish);
        else
            finish();
    });
    m_line.Send(frame);
    StartTryTime();
}

void TLinkEngine::SendAck(Done done)
{
    await(LinkFrames::AckReplyBytes, [this, done = std::move(done)] {
        const bool acknowledged = !m_lineFault && !m_reply.isEmpty() && m_reply.at(0) == LinkFrames::Ack;
        done(acknowledged);
    });
    m_line.Send(QByteArray(1, LinkFrames::Ack));
    // An acknowledgement is bounded like a frame (a radio that stops
    // answering must not leave the transfer waiting for ever); its expiry
    // counts as a frame time-out.
    StartTryTime();
}

void TLinkEngine::SendEnd(std::function<void()> done)
{
    abandonExchange();
    m_buffer.Expect(1);
    m_lineFault = false;
    m_line.Send(QByteArray(1, LinkFrames::EndCommand));
    // The first look comes once the event loop has had a turn to hand the
    // byte to the device.
    m_pause.Start(std::chrono::milliseconds(0), [this, done = std::move(done)] { lookDrained(DrainLooks, done); });
}

void TLinkEngine::lookDrained(int looksLeft, std::function<void()> done)
{
    if (looksLeft <= 0 || m_line.PendingOutput() == 0) {
        done();
        return;
    }
    m_pause.Start(std::chrono::duration_cast<std::chrono::milliseconds>(DrainLook),
                  [this, looksLeft, done = std::move(done)] { lookDrained(looksLeft - 1, done); });
}

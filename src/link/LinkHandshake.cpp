// The wake-up handshake and the identification, the part of the link the
// dialog runs before any block moves.
#include "link/LinkEngine.h"

#include "link/LinkFrames.h"
#include "link/LinkTimings.h"
#include "link/SerialLine.h"

using namespace LinkTimings;

void TLinkEngine::StartHandshake()
{
    EndAttempt(); // whatever an earlier attempt left pending
    m_identTaken = false;
    m_buffer.Restart();
    m_headTime.Start(HeadTime, [this] {
        if (onHeadTimeout)
            onHeadTimeout();
    });
    m_state = State::WaitAck;
    m_buffer.Expect(LinkFrames::AckReplyBytes);
    m_line.Send(QByteArray(1, LinkFrames::Stx));
    m_letters.Start(std::chrono::duration_cast<std::chrono::milliseconds>(WakePause), [this] { sendLetter(0); });
}

void TLinkEngine::sendLetter(int index)
{
    m_line.Send(QByteArray(1, LinkFrames::WakeLetters[index]));
    if (index + 1 < LinkFrames::WakeLetterCount)
        m_letters.Start(LetterPause, [this, index] { sendLetter(index + 1); });
}

void TLinkEngine::acknowledgementArrived()
{
    // A stray byte in front of the acknowledgement is tolerated; only bytes
    // of this reply count (a byte left from an earlier reply never does).
    const QByteArray &reply = m_buffer.Reply();
    const bool accepted = (reply.size() > 0 && reply.at(0) == LinkFrames::Ack)
                          || (reply.size() > 1 && reply.at(1) == LinkFrames::Ack);
    if (!accepted)
        return; // HeadTime runs out
    m_state = State::WaitIdent;
    m_buffer.Expect(LinkFrames::IdentReplyBytes);
    m_headTime.Stop();
    m_pause.Start(StepPause, [this] {
        m_line.Send(QByteArray(1, LinkFrames::Stx));
        m_headTime.Start(HeadTime, [this] {
            if (onHeadTimeout)
                onHeadTimeout();
        });
    });
}

void TLinkEngine::identificationArrived()
{
    // Surplus bytes after the identification complete "replies" too; the
    // model check runs once per attempt.
    if (m_identTaken)
        return;
    m_identTaken = true;
    m_headTime.Stop();
    m_tryTime.Stop();
    const QString code = LinkFrames::ModelCodeOf(m_buffer.Reply());
    if (onIdentified)
        onIdentified(code);
}

void TLinkEngine::BeginTransfer(std::function<void()> start)
{
    m_state = State::Transfer;
    m_pause.Start(StepPause, std::move(start));
}

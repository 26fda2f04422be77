#include "TestLine.h"

#include <QTimer>

TestLine::TestLine(const QString &modelCode, QObject *parent) : TSerialLine(parent), m_radio(modelCode) {}

TOpenResult TestLine::Open(const QString &dev, const TLineSettings &settings)
{
    Close();
    requested = settings;
    device = dev;
    ++opens;
    if (failOpen != TOpenError::None)
        return {failOpen, QStringLiteral("refused by the test")};
    m_open = true;
    return {};
}

void TestLine::Close()
{
    if (!m_open)
        return;
    m_open = false;
    ++m_session;
    m_inbox.clear();
}

void TestLine::Send(const QByteArray &bytes)
{
    if (!m_open)
        return;
    sent += bytes;
    for (const char byte : bytes) {
        const qsizetype before = m_radio.Frames().size();
        const QList<TRadioSim::Output> outputs = m_radio.Feed(QByteArray(1, byte));
        const int frame = int(m_radio.Frames().size());
        std::optional<Injection> injected;
        if (frame > before) {
            for (qsizetype i = 0; i < m_injections.size(); ++i) {
                if (m_injections[i].frame == frame) {
                    injected = m_injections.takeAt(i).what;
                    break;
                }
            }
        }
        if (injected == Injection::LineError) {
            QTimer::singleShot(replyDelay, this, [this, session = m_session] {
                if (session == m_session && m_open)
                    emit LineError();
            });
            continue;
        }
        if (injected == Injection::LoseReply)
            continue;
        if (injected == Injection::Lost) {
            QTimer::singleShot(replyDelay, this, [this, session = m_session] {
                if (session == m_session && m_open)
                    loseDevice();
            });
            continue;
        }
        for (const TRadioSim::Output &out : outputs) {
            QByteArray reply = out.bytes;
            if (injected == Injection::Surplus)
                reply += QByteArray(2, char(0x55));
            if (injected == Injection::Stray)
                reply.prepend(char(0x00));
            if (out.sessionEnded && corruptAddress >= 0) {
                QByteArray memory = m_radio.Memory();
                memory[corruptAddress] = char(~memory[corruptAddress]);
                m_radio.SetMemory(memory);
                corruptAddress = -1;
            }
            if (out.hangUp) {
                QTimer::singleShot(out.delay + replyDelay, this, [this, session = m_session] {
                    if (session == m_session && m_open)
                        loseDevice();
                });
                continue;
            }
            if (!reply.isEmpty())
                deliver(reply, out.delay + replyDelay);
        }
    }
}

void TestLine::deliver(const QByteArray &bytes, std::chrono::milliseconds delay)
{
    const QList<QByteArray> pieces = [&] {
        QList<QByteArray> out;
        if (splitBytes)
            for (const char b : bytes)
                out.append(QByteArray(1, b));
        else
            out.append(bytes);
        return out;
    }();
    for (const QByteArray &piece : pieces) {
        QTimer::singleShot(delay, Qt::PreciseTimer, this, [this, piece, session = m_session] {
            if (session != m_session || !m_open)
                return;
            m_inbox += piece;
            emit DataWaiting();
        });
    }
}

void TestLine::loseDevice()
{
    Close();
    emit Lost(QStringLiteral("test device gone"));
}

QByteArray TestLine::TakeAll()
{
    return std::exchange(m_inbox, {});
}

void TestLine::DiscardInput()
{
    ++discards;
    m_inbox.clear();
}

void TestLine::DiscardOutput() {}

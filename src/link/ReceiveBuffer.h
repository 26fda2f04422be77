#pragma once
// The receive state of a transfer: the bytes of the reply being collected
// and how many are still missing. Bytes are stored up to index 48 and the
// rest dropped; every stored byte counts down RecvNeed, which may go below
// zero when surplus bytes come along. A reply is complete at the end of a
// notification that leaves RecvNeed at zero or below; the count then starts
// again from 0.

#include <QByteArray>
#include <array>
#include <cstdint>

class TReceiveBuffer {
public:
    static constexpr int Size = 51;
    static constexpr int LastStored = 48;

    // A new reply of length bytes is awaited.
    void Expect(int length) { m_need = length; }
    // Forgets a partial reply (a new attempt).
    void Restart() { m_count = 0; }

    // Takes the bytes of one notification. True when the reply is complete;
    // Reply() then holds the bytes stored for it.
    bool Take(const QByteArray &bytes);
    const QByteArray &Reply() const { return m_reply; }

    int RecvNeed() const { return m_need; }
    int RecvCount() const { return m_count; }
    uint8_t At(int index) const { return m_buffer[size_t(index)]; }

private:
    std::array<uint8_t, Size> m_buffer{};
    int m_count = 0;
    int m_need = 0;
    QByteArray m_reply;
};

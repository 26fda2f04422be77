#include "link/ReceiveBuffer.h"

bool TReceiveBuffer::Take(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return false;
    for (const char byte : bytes) {
        if (m_count > LastStored)
            continue;
        m_buffer[size_t(m_count)] = uint8_t(byte);
        --m_need;
        ++m_count;
    }
    if (m_need > 0)
        return false;
    m_reply = QByteArray(reinterpret_cast<const char *>(m_buffer.data()), m_count);
    m_count = 0;
    return true;
}

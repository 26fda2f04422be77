#include "link/BlockSequence.h"

#include "link/LinkEngine.h"
#include "link/LinkFrames.h"

using namespace LinkFrames;

void TBlockSequence::Run(TLinkEngine &engine, Mode mode, const std::vector<TPlannedBlock> &blocks, Step progress,
                         Finished finished)
{
    std::make_shared<TBlockSequence>(engine, mode, blocks, std::move(progress), std::move(finished))->next();
}

TBlockSequence::TBlockSequence(TLinkEngine &engine, Mode mode, const std::vector<TPlannedBlock> &blocks,
                               Step progress, Finished finished)
    : m_engine(engine), m_mode(mode), m_blocks(blocks), m_progress(std::move(progress)),
      m_finished(std::move(finished))
{
    if (m_mode == Mode::Read)
        m_read.resize(m_blocks.size());
}

void TBlockSequence::next()
{
    if (m_index < m_blocks.size()) {
        if (m_mode == Mode::Read)
            readHalf(0);
        else
            writeHalf(0);
        return;
    }
    m_engine.SendEnd([self = shared_from_this()] { self->m_finished(true, self->m_read); });
}

void TBlockSequence::readHalf(int half)
{
    const int address = m_blocks[m_index].slot.address + half * DataBytes;
    m_engine.SendFrame(ReadRequest(address), ReadReplyBytes,
                       [self = shared_from_this(), half](bool ok, const QByteArray &reply) {
                           if (!ok || reply.size() < ReadReplyBytes)
                               return self->fail();
                           TBlock &block = self->m_read[self->m_index];
                           for (int i = 0; i < DataBytes; ++i)
                               block[size_t(half * DataBytes + i)] = uint8_t(reply.at(ReadReplyDataAt + i));
                           self->m_engine.SendAck([self, half](bool acknowledged) {
                               if (!acknowledged)
                                   return self->fail();
                               if (half == 0)
                                   self->readHalf(1);
                               else
                                   self->blockDone();
                           });
                       });
}

void TBlockSequence::writeHalf(int half)
{
    const TPlannedBlock &planned = m_blocks[m_index];
    m_engine.SendFrame(WriteFrame(planned.slot.address, planned.bytes, half, planned.slot.frameY),
                       WriteReplyBytes, [self = shared_from_this(), half](bool ok, const QByteArray &) {
                           // The reply byte's value is never looked at.
                           if (!ok)
                               return self->fail();
                           if (half == 0)
                               self->writeHalf(1);
                           else
                               self->blockDone();
                       });
}

void TBlockSequence::blockDone()
{
    ++m_index;
    if (m_progress)
        m_progress();
    next();
}

void TBlockSequence::fail()
{
    m_finished(false, {});
}

#pragma once
// The block exchanges of one attempt after its first acknowledgement: every
// block of a list read (two read requests, each followed by an
// acknowledgement exchange) or written (two 0x57 or 0x59 frames), one
// progress step per block, then the end command.
// The first failed exchange ends it.
//
// It lives as long as the link holds one of its continuations: an attempt
// the link abandons (a time-out, a new attempt, closing) takes it along and
// it never reports.

#include "image/blocks/Block.h"
#include "link/TransferPlan.h"

#include <functional>
#include <memory>
#include <vector>

class TLinkEngine;

class TBlockSequence : public std::enable_shared_from_this<TBlockSequence> {
public:
    enum class Mode { Read, Write };
    using Step = std::function<void()>;
    // ok; for a read, the blocks in list order.
    using Finished = std::function<void(bool ok, const std::vector<TBlock> &blocks)>;

    // Write: blocks holds the bytes of every slot. Read: blocks is ignored.
    static void Run(TLinkEngine &engine, Mode mode, const std::vector<TPlannedBlock> &blocks, Step progress,
                    Finished finished);

    TBlockSequence(TLinkEngine &engine, Mode mode, const std::vector<TPlannedBlock> &blocks, Step progress,
                   Finished finished);

private:
    void next();
    void readHalf(int half);
    void writeHalf(int half);
    void blockDone();
    void fail();

    TLinkEngine &m_engine;
    Mode m_mode;
    std::vector<TPlannedBlock> m_blocks;
    std::vector<TBlock> m_read;
    size_t m_index = 0;
    Step m_progress;
    Finished m_finished;
};

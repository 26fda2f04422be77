#include "link/RadioSim.h"

#include "core/Workspace.h"
#include "image/WriteRead.h"
#include "link/TransferPlan.h"

#include <QDateTime>
#include <QStringList>
#include <algorithm>
#include <array>

namespace {

using namespace std::chrono_literals;

// Bytes as the radio sees them.
constexpr char kStx = 0x02;     // wake-up start, identification request
constexpr char kAck = 0x06;
constexpr char kNak = 0x15;     // what a wrong acknowledgement says
constexpr char kRead = 0x52;    // 'R'
constexpr char kWrite = 0x57;   // 'W'
constexpr char kWriteY = 0x59;  // 'Y'
constexpr char kEnd = 0x45;     // 'E'
constexpr char kLength = 0x08;  // the only length a frame carries
constexpr int kDataBytes = 8;
constexpr int kHeadBytes = 4;                        // command, address high, low, length
constexpr int kWriteFrameBytes = kHeadBytes + kDataBytes;
constexpr int kIdentBytes = 8;
// The wake-up: 0x02 and "PROGRAN", the last letter 0x4E.
const QByteArray kWakeUp = QByteArrayLiteral("\x02PROGRAN");
// A read reply leads with four bytes the computer never looks at; this
// radio sends 57 hi lo 08.
constexpr char kReadReplyLead = kWrite;
// Bytes 5..7 of the identification, not examined by the computer.
const QByteArray kIdentTail = QByteArray(3, '\0');
constexpr auto kSlowDelay = 150ms;

const std::array<const char *, 6> kFaultNames = {"no-answer", "short-reply", "wrong-ack",
                                                 "garbage",   "slow-reply",  "disappear"};

enum class Phase {
    Idle,      // waiting for a wake-up
    WaitIdent, // woken: the identification request comes next
    Session,   // identified: acknowledgements, reads, writes, the end
};

enum class FrameKind { WakeUp, IdentRequest, Ack, Read, Write, End };

struct Parsed {
    enum Result { Complete, Incomplete, Stray } result = Stray;
    FrameKind kind = FrameKind::WakeUp;
    int length = 0;
};

int addressOf(const QByteArray &frame)
{
    return (uint8_t(frame[1]) << 8) | uint8_t(frame[2]);
}

} // namespace

struct TRadioSim::State {
    QByteArray code;
    QByteArray memory = QByteArray(MemorySize, char(0xFF));
    QList<Fault> faults;
    QList<QByteArray> frames;
    QByteArray pending;
    Phase phase = Phase::Idle;
    int frameCount = 0;
    bool gone = false;
    quint32 noise = 0x2545F491u;

    Parsed parse() const;
    QByteArray reply(FrameKind kind, const QByteArray &frame, bool *sessionEnded);
    void apply(const QByteArray &frame, FrameKind kind);
    QByteArray garble(const QByteArray &reply);
};

// What the bytes at the front of the pending input are, given the phase.
// A wake-up is recognised in every phase; everything else only where the
// radio expects it.
Parsed TRadioSim::State::parse() const
{
    const QByteArray &in = pending;
    const char first = in.front();
    if (first == kStx) {
        const qsizetype have = std::min(in.size(), kWakeUp.size());
        if (have > 1 && in.left(have) != kWakeUp.left(have)) // 0x02 followed by something else
            return phase == Phase::WaitIdent ? Parsed{Parsed::Complete, FrameKind::IdentRequest, 1} : Parsed{};
        if (have == kWakeUp.size())
            return {Parsed::Complete, FrameKind::WakeUp, int(kWakeUp.size())};
        if (have == 1 && phase == Phase::WaitIdent)
            return {Parsed::Complete, FrameKind::IdentRequest, 1};
        return {Parsed::Incomplete};
    }
    if (phase != Phase::Session)
        return {};
    switch (first) {
    case kAck:
        return {Parsed::Complete, FrameKind::Ack, 1};
    case kEnd:
        return {Parsed::Complete, FrameKind::End, 1};
    case kRead:
    case kWrite:
    case kWriteY: {
        if (in.size() < kHeadBytes)
            return {Parsed::Incomplete};
        if (in[3] != kLength)
            return {};
        if (first == kRead)
            return {Parsed::Complete, FrameKind::Read, kHeadBytes};
        if (in.size() < kWriteFrameBytes)
            return {Parsed::Incomplete};
        return {Parsed::Complete, FrameKind::Write, kWriteFrameBytes};
    }
    default:
        return {};
    }
}

void TRadioSim::State::apply(const QByteArray &frame, FrameKind kind)
{
    switch (kind) {
    case FrameKind::WakeUp:
        phase = Phase::WaitIdent;
        break;
    case FrameKind::IdentRequest:
        phase = Phase::Session;
        break;
    case FrameKind::Write: {
        const int address = addressOf(frame);
        for (int i = 0; i < kDataBytes; ++i)
            memory[(address + i) % MemorySize] = frame[kHeadBytes + i];
        break;
    }
    case FrameKind::End:
        phase = Phase::Idle;
        break;
    case FrameKind::Ack:
    case FrameKind::Read:
        break;
    }
}

QByteArray TRadioSim::State::reply(FrameKind kind, const QByteArray &frame, bool *sessionEnded)
{
    switch (kind) {
    case FrameKind::WakeUp:
    case FrameKind::Ack:
    case FrameKind::Write:
        return QByteArray(1, kAck);
    case FrameKind::IdentRequest:
        return QByteArrayLiteral("P") + code + kIdentTail;
    case FrameKind::Read: {
        const int address = addressOf(frame);
        QByteArray out;
        out.append(kReadReplyLead).append(frame[1]).append(frame[2]).append(kLength);
        for (int i = 0; i < kDataBytes; ++i)
            out.append(memory[(address + i) % MemorySize]);
        return out;
    }
    case FrameKind::End:
        *sessionEnded = true;
        return {};
    }
    return {};
}

// Every byte differs from the one it replaces, so garbage never passes for
// an acknowledgement or a model code by chance.
QByteArray TRadioSim::State::garble(const QByteArray &reply)
{
    QByteArray out = reply;
    for (char &c : out) {
        noise = noise * 1664525u + 1013904223u;
        c = char(uint8_t(c) ^ uint8_t(1 + (noise >> 24) % 255));
    }
    return out;
}

TRadioSim::TRadioSim(const QString &modelCode) : m(std::make_shared<State>())
{
    m->code = modelCode.toLatin1().leftJustified(4, ' ', true);
}

QString TRadioSim::ModelCode() const
{
    return QString::fromLatin1(m->code);
}

void TRadioSim::SetMemory(const QByteArray &memory)
{
    m->memory = memory.left(MemorySize);
    m->memory.append(QByteArray(MemorySize - m->memory.size(), char(0xFF)));
}

QByteArray TRadioSim::Memory() const
{
    return m->memory;
}

void TRadioSim::AddFault(const Fault &fault)
{
    m->faults.append(fault);
}

QList<TRadioSim::Output> TRadioSim::Feed(const QByteArray &bytes)
{
    QList<Output> outputs;
    if (m->gone)
        return outputs;
    m->pending += bytes;
    while (!m->pending.isEmpty()) {
        const Parsed p = m->parse();
        if (p.result == Parsed::Stray) {
            m->pending.remove(0, 1);
            continue;
        }
        if (p.result == Parsed::Incomplete)
            break;
        const QByteArray frame = m->pending.left(p.length);
        m->pending.remove(0, p.length);
        m->frames.append(frame);
        const int number = ++m->frameCount;

        std::optional<FaultKind> fault;
        for (qsizetype i = 0; i < m->faults.size(); ++i) {
            if (m->faults[i].frame == number) {
                fault = m->faults[i].kind;
                m->faults.removeAt(i);
                break;
            }
        }

        Output out;
        if (fault == FaultKind::Disappear) {
            m->gone = true;
            m->pending.clear();
            out.hangUp = true;
            outputs.append(out);
            return outputs;
        }
        if (fault == FaultKind::NoAnswer)
            continue; // the radio did not hear it: no effect, no reply

        // A wake-up answered with anything but its acknowledgement leaves
        // the radio asleep: the computer's retry starts with a lone 0x02,
        // which an awake radio would take for the identification request.
        const bool refusedWakeUp = p.kind == FrameKind::WakeUp && fault && *fault != FaultKind::SlowReply;
        if (!refusedWakeUp)
            m->apply(frame, p.kind);
        out.bytes = m->reply(p.kind, frame, &out.sessionEnded);
        if (fault && !out.bytes.isEmpty()) {
            switch (*fault) {
            case FaultKind::ShortReply:
                out.bytes.chop(1);
                break;
            case FaultKind::WrongAck:
                out.bytes[0] = kNak;
                break;
            case FaultKind::Garbage:
                out.bytes = m->garble(out.bytes);
                break;
            case FaultKind::SlowReply:
                out.delay = kSlowDelay;
                break;
            case FaultKind::NoAnswer:
            case FaultKind::Disappear:
                break;
            }
        }
        if (!out.bytes.isEmpty() || out.sessionEnded)
            outputs.append(out);
    }
    return outputs;
}

void TRadioSim::Quiet()
{
    // A lone 0x02 or a wake-up in progress waits out the 200 ms pause.
    if (!m->pending.isEmpty() && !kWakeUp.startsWith(m->pending))
        m->pending.clear();
}

bool TRadioSim::Waiting() const
{
    return !m->pending.isEmpty();
}

bool TRadioSim::Gone() const
{
    return m->gone;
}

QList<QByteArray> TRadioSim::Frames() const
{
    return m->frames;
}

void TRadioSim::ClearFrames()
{
    m->frames.clear();
}

std::optional<TRadioSim::Fault> TRadioSim::ParseFault(const QString &text, QString *error)
{
    const QStringList parts = text.trimmed().split(u'@');
    auto fail = [&](const QString &why) -> std::optional<Fault> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (parts.size() > 2)
        return fail(QStringLiteral("\"%1\": one @ at most (KIND@N)").arg(text));
    Fault fault;
    const auto name = std::find(kFaultNames.begin(), kFaultNames.end(), parts[0].toLower().toStdString());
    if (name == kFaultNames.end()) {
        QStringList known;
        for (const char *n : kFaultNames)
            known.append(QString::fromLatin1(n));
        return fail(QStringLiteral("\"%1\": unknown fault (one of %2)").arg(parts[0], known.join(QStringLiteral(", "))));
    }
    fault.kind = FaultKind(name - kFaultNames.begin());
    if (parts.size() == 2) {
        bool ok = false;
        fault.frame = parts[1].toInt(&ok);
        if (!ok || fault.frame < 1)
            return fail(QStringLiteral("\"%1\": the frame number must be 1 or more").arg(text));
    }
    return fault;
}

QString TRadioSim::FaultName(FaultKind kind)
{
    return QString::fromLatin1(kFaultNames[size_t(kind)]);
}

namespace {

constexpr int kBlockBytes = 16;

void putBlock(QByteArray &memory, int address, const TBlock &block)
{
    for (int i = 0; i < kBlockBytes; ++i)
        memory[(address + i) % TRadioSim::MemorySize] = char(block[size_t(i)]);
}

// Memory past the end of a short image reads erased.
TBlock blockAt(const QByteArray &memory, int address)
{
    TBlock block;
    block.fill(0xFF);
    for (int i = 0; i < kBlockBytes; ++i)
        if (address + i < memory.size())
            block[size_t(i)] = uint8_t(memory[address + i]);
    return block;
}

// The header's band digits, as a data file writes them: "450470".
QString bandDigits(const TALL &all)
{
    auto three = [](double v) { return QStringLiteral("%1").arg(qRound(v), 3, 10, QLatin1Char('0')); };
    return three(all.BandLowerLimit) + three(all.BandUpperLimit);
}

} // namespace

QByteArray MemoryFromWorkspace(const TWorkspace &ws)
{
    QByteArray memory(TRadioSim::MemorySize, char(0xFF));
    if (!ws.All.CurrentModel)
        return memory;
    for (const TPlannedBlock &planned : BuildWritePlan(ws).blocks)
        putBlock(memory, planned.slot.address, planned.bytes);
    // A write sends 0xFF in place of the header; a radio that was loaded from
    // a data file still holds the file's own header there.
    TBlock header;
    TBWriteRead::EncodeHeader(header, QStringLiteral("P") + ws.All.CurrentModel->Code, bandDigits(ws.All),
                              QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    putBlock(memory, 0, header);
    return memory;
}

bool WorkspaceFromMemory(const QByteArray &memory, const QString &modelCode, TWorkspace &ws)
{
    const TMacType *model = ws.Models.FindByCode(modelCode);
    if (!model)
        return false;
    const QList<TBlockSlot> map = ReadMap(*model);
    std::vector<TBlock> blocks;
    blocks.reserve(size_t(map.size()));
    for (const TBlockSlot &slot : map)
        blocks.push_back(blockAt(memory, slot.address));
    TReadResult result;
    if (!DecodeReadBlocks(*model, map, blocks, ws.Bands, result))
        return false;
    ApplyReadResult(ws, result);
    LoadReadChannels(ws, result);
    return true;
}

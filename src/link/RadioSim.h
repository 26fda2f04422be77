#pragma once
// A simulated Orvel radio as pure logic: bytes from the computer go in, the
// radio's replies come out with the delay before each. It knows the
// handshake, the identification, read requests, 0x57 and 0x59 write frames,
// acknowledgements and the end command, keeps a 64 KiB memory (blank 0xFF)
// and logs every frame it received. Faults are injected at the N-th frame
// counted over the radio's whole life, each once. PtyRadio serves it on a
// pseudo-terminal; tests also put it behind a test line.

#include <QByteArray>
#include <QList>
#include <QString>
#include <chrono>
#include <memory>
#include <optional>

struct TWorkspace;

class TRadioSim {
public:
    enum class FaultKind {
        NoAnswer,   // "no-answer": the frame gets no reply (nor stores anything)
        ShortReply, // "short-reply": the reply lacks its last byte
        WrongAck,   // "wrong-ack": 0x15 where 0x06 belongs (acknowledgements, wake-up),
                    // and as the first byte of any other reply
        Garbage,    // "garbage": random bytes in place of the reply (as many, each one different)
        SlowReply,  // "slow-reply": the reply comes 150 ms late
        Disappear,  // "disappear": the radio is gone (the pseudo-terminal closes)
    };
    struct Fault {
        FaultKind kind = FaultKind::NoAnswer;
        int frame = 1; // 1-based
    };
    // "no-answer@12", or "garbage" for frame 1. Null with error set on a bad text.
    static std::optional<Fault> ParseFault(const QString &text, QString *error);
    static QString FaultName(FaultKind kind);

    // What the radio does after the bytes fed so far.
    struct Output {
        std::chrono::milliseconds delay{0}; // before the first byte goes out
        QByteArray bytes;                   // may be empty
        bool hangUp = false;                // Disappear: stop serving
        bool sessionEnded = false;          // the end command arrived
    };

    static constexpr int MemorySize = 0x10000;

    explicit TRadioSim(const QString &modelCode); // four characters, "6842"

    QString ModelCode() const;
    void SetMemory(const QByteArray &memory);     // padded with 0xFF
    QByteArray Memory() const;
    void AddFault(const Fault &fault);

    // Bytes the radio does not expect where they come (a read request before
    // the handshake, a frame with a length other than 8) are dropped one by
    // one until something makes sense again; a wake-up is recognised in
    // every state. A frame the computer cut off waits for Quiet. A wake-up
    // whose reply a fault spoils (other than slow-reply) leaves the radio
    // waiting for the next wake-up.
    QList<Output> Feed(const QByteArray &bytes);

    // The line has been quiet for a while (PtyRadio: QuietTime): a partial
    // frame the computer gave up on is dropped, except a wake-up in
    // progress, whose 0x02 is followed by a 200 ms pause.
    void Quiet();
    // Bytes of an incomplete frame are waiting.
    bool Waiting() const;
    // A Disappear fault fired: the radio answers nothing any more.
    bool Gone() const;

    // Every complete frame received, as received (wake-up, identification
    // request, acknowledgements, read requests, write frames, end).
    QList<QByteArray> Frames() const;
    void ClearFrames();

private:
    struct State;
    std::shared_ptr<State> m;
};

// The radio memory of a workspace: every block of a write of its current
// model at its address, the header block as the data file has it.
QByteArray MemoryFromWorkspace(const TWorkspace &ws);
// Reads a radio memory as a read transfer would and applies it to ws
// (model by modelCode, band, messages, settings, channels). False when
// modelCode is not in the catalogue.
bool WorkspaceFromMemory(const QByteArray &memory, const QString &modelCode, TWorkspace &ws);

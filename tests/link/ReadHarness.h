#pragma once
// What the read tests share: a read dialog's life over some line, the frame
// numbers of a read, a snapshot of what a read may change.

#include "FlowHarness.h"
#include "link/RadioSim.h"

#include <QSignalSpy>
#include <QTest>

inline constexpr int kSettleMs = 10000;

inline TRadioSim::Fault fault(TRadioSim::FaultKind kind, int frame)
{
    TRadioSim::Fault f;
    f.kind = kind;
    f.frame = frame;
    return f;
}

// Frame numbers (1-based, as the radio counts them) of a read: 1 wake-up,
// 2 identification request, 3 acknowledgement, then per block i (0-based)
// read, ack, read, ack.
inline int readRequestFrame(int block, int half = 0)
{
    return 4 + 4 * block + 2 * half;
}

// What a workspace holds that a read may change.
struct Snapshot {
    QString model, modelCode, band;
    QStringList table;
    QString messageA, messageB;
    TFun fun;
    bool modified;
    explicit Snapshot(const TWorkspace &ws)
        : model(ws.All.ModelName), modelCode(ws.All.ModelCode), band(ws.All.BandText), table(TableTexts(ws)),
          messageA(ws.EnMsg.MessageA), messageB(ws.EnMsg.MessageB), fun(ws.Fun), modified(ws.All.Modified)
    {
    }
    bool operator==(const Snapshot &) const = default;
};

// One read dialog's life over some line.
struct ReadRun {
    std::unique_ptr<TWorkspace> ws = NewWorkspace(1); // starts as the VHF model
    ScriptedMsgBox box;
    RecordingView view;
    std::unique_ptr<TReadFlow> flow;
    std::unique_ptr<QSignalSpy> settled;

    ReadRun(TSerialLine &line, const QString &port)
    {
        ws->All.PortName = port;
        flow = std::make_unique<TReadFlow>(*ws, line, box, view);
        settled = std::make_unique<QSignalSpy>(flow.get(), &TReadFlow::Settled);
    }
    void start()
    {
        flow->Show();
        flow->Ok();
    }
    bool waitSettled(int count = 1)
    {
        return RunUntil([&] { return settled->count() >= count; }, kSettleMs);
    }
};

inline std::unique_ptr<TWorkspace> g_source; // what the radios hold

inline QByteArray sourceMemory()
{
    return MemoryFromWorkspace(*g_source);
}


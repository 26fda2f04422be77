#pragma once
// What the write tests share: a write dialog's life over some line, the
// frame numbers of a write, a model of more than 16 channels.

#include "ReadHarness.h"

// Frame numbers of a write (1-based): 1 wake-up, 2 identification request,
// 3 acknowledgement, then two write frames per block i (0-based).
inline int writeFrame(int block, int half = 0)
{
    return 4 + 2 * block + half;
}

struct WriteRun {
    std::unique_ptr<TWorkspace> ws = FilledWorkspace();
    ScriptedMsgBox box;
    RecordingView view;
    std::unique_ptr<TWriteFlow> flow;
    std::unique_ptr<QSignalSpy> settled;

    WriteRun(TSerialLine &line, const QString &port)
    {
        ws->All.PortName = port;
        flow = std::make_unique<TWriteFlow>(*ws, line, box, view);
        settled = std::make_unique<QSignalSpy>(flow.get(), &TWriteFlow::Settled);
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

// Adds a 32-channel model "7777" to the catalogue of ws and returns it.
inline const TMacType &AddLargeModel(TWorkspace &ws)
{
    auto model = std::make_unique<TMacType>(QStringLiteral("7777"), 32, QStringLiteral("Test(32)"));
    model->SetLimits(650.0, 300.0);
    model->SetExtraBlocks(39);
    model->AddBand(QStringLiteral("450 - 470MHz"));
    model->SetDefaultBand(QStringLiteral("450 - 470MHz"));
    const TMacType *added = model.get();
    ws.Models.Add(std::move(model));
    return *added;
}

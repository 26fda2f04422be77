// A full read and a full write of a catalogue model against the simulated
// radio on a pseudo-terminal, paced at the line speed of 9600 baud 8N2, in
// this process. Each run is printed as its wall time over the protocol
// floor, with the CPU time used as a share of the wall time.
//
//   bench_transfer [RUNS]   (default 3 of each)
//
// Measured span: from Ok pressed to the end command handed to the line.
// Floor of that span: the start pauses (read 500 ms; write 450 + 50 ms),
// the wake-up's 200 ms and 6 x 2 ms, the line time (ByteTime) of every byte
// that must cross the line in turn (the last wake-up letter, every reply,
// every request after the wake-up), and every pause the protocol mandates
// between them: 5 ms before the identification request and before the
// transfer, on a read 5 ms before each reply is handed on, on a write 28 ms
// after each write reply. Bytes sent during a pause (the wake-up letters)
// cost nothing beyond it.
//
// CPU: the process (which includes the simulated radio's own thread) and
// the program's thread alone. Targets: ratio <= 1.05, CPU <= 5 % of wall.

#include "core/Workspace.h"
#include "link/LinkFrames.h"
#include "link/LinkTimings.h"
#include "link/PtyRadio.h"
#include "link/QtSerialLine.h"
#include "link/RadioSim.h"
#include "link/TransferFlow.h"
#include "link/TransferPlan.h"
#include "localisation/MsgBox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

using namespace LinkTimings;
using Ms = std::chrono::duration<double, std::milli>;

constexpr double TargetRatio = 1.05;
constexpr double TargetCpu = 0.05;

// The program's line, with the moment the end command was handed to it.
class TimedLine : public TSerialLine {
public:
    TimedLine()
    {
        connect(&m_line, &TSerialLine::DataWaiting, this, &TSerialLine::DataWaiting);
        connect(&m_line, &TSerialLine::LineError, this, &TSerialLine::LineError);
        connect(&m_line, &TSerialLine::Lost, this, &TSerialLine::Lost);
    }
    TOpenResult Open(const QString &device, const TLineSettings &settings) override
    {
        return m_line.Open(device, settings);
    }
    void Close() override { m_line.Close(); }
    bool IsOpen() const override { return m_line.IsOpen(); }
    void Send(const QByteArray &bytes) override
    {
        if (bytes == QByteArray(1, LinkFrames::EndCommand))
            endSent = clock.nsecsElapsed();
        m_line.Send(bytes);
    }
    QByteArray TakeAll() override { return m_line.TakeAll(); }
    void DiscardInput() override { m_line.DiscardInput(); }
    void DiscardOutput() override { m_line.DiscardOutput(); }
    qint64 PendingOutput() const override { return m_line.PendingOutput(); }

    QElapsedTimer clock;
    qint64 endSent = -1;

private:
    TQtSerialLine m_line;
};

struct SilentBox : TMsgBox {
    QStringList texts;
    int MsgBox(const QString &, const QString &text, int kind) override
    {
        texts << text;
        return kind == MsgYesNo ? IdNo : kind == MsgRetryCancel ? IdCancel : IdOk;
    }
};

struct NoView : TTransferView {
    void SetProgressMaximum(int) override {}
    void SetProgress(int) override {}
    void SetOkEnabled(bool) override {}
    void CloseView() override {}
};

double byteMs(int bytes)
{
    return Ms(ByteTime * bytes).count();
}

// From the first 0x02 to the identification in: the wake-up's pauses, the
// last letter and the acknowledgement on the line, 5 ms, the request and
// the 8-byte identification; then 5 ms before the transfer and the
// acknowledgement exchange.
double handshakeFloor()
{
    return Ms(WakePause + 6 * LetterPause + StepPause + StepPause).count() + byteMs(1 + 1 + 1 + 8 + 1 + 1);
}

double readFloor(int blocks)
{
    const double perFrame = byteMs(4 + 12) + Ms(StepPause).count();  // request, reply, hand-on
    const double perAck = byteMs(1 + 1) + Ms(StepPause).count();
    return Ms(ReadStartPause).count() + handshakeFloor() + Ms(StepPause).count() // hand-on of the first ack
           + blocks * 2 * (perFrame + perAck);
}

double writeFloor(int blocks)
{
    const double perFrame = byteMs(12 + 1) + Ms(WriteSettle).count();
    return Ms(WriteStartPause + WriteDiscardPause).count() + handshakeFloor() + blocks * 2 * perFrame;
}

struct Cpu {
    double process = 0; // ms
    double thread = 0;
    static double ms(const rusage &u)
    {
        return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
    }
    static Cpu now()
    {
        rusage p{}, t{};
        getrusage(RUSAGE_SELF, &p);
        getrusage(RUSAGE_THREAD, &t);
        return {ms(p), ms(t)};
    }
};

struct Result {
    bool ok = false;
    double wall = 0; // ms, the measured span
    Cpu cpu;
};

template <class Flow> Result run(Flow &flow, TimedLine &line)
{
    QEventLoop loop;
    TTransferOutcome outcome = TTransferOutcome::None;
    QObject::connect(&flow, &Flow::Settled, &loop, [&](TTransferOutcome o) {
        outcome = o;
        loop.quit();
    });
    flow.Show();
    // The port opens after its reopen pause; Ok starts the measured span.
    QEventLoop opening;
    QTimer::singleShot(200, &opening, &QEventLoop::quit);
    opening.exec();
    const Cpu before = Cpu::now();
    line.clock.start();
    line.endSent = -1;
    flow.Ok();
    loop.exec();
    const Cpu after = Cpu::now();
    Result r;
    r.ok = outcome == TTransferOutcome::Success && line.endSent > 0;
    r.wall = line.endSent / 1e6;
    r.cpu = {after.process - before.process, after.thread - before.thread};
    flow.Close();
    return r;
}

bool report(const char *what, const Result &r, double floor)
{
    if (!r.ok) {
        std::printf("%-6s FAILED\n", what);
        return false;
    }
    const double ratio = r.wall / floor;
    const double cpu = r.cpu.process / r.wall;
    std::printf("%-6s wall %8.1f ms  floor %8.1f ms  ratio %.4f  CPU process %5.2f %%  program thread %5.2f %%\n",
                what, r.wall, floor, ratio, 100 * cpu, 100 * r.cpu.thread / r.wall);
    return ratio <= TargetRatio && cpu <= TargetCpu;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    TWorkspace ws;
    BuildWorkspace(ws);
    StartWithModel(ws, *ws.Models.Item(0));
    const TMacType &model = *ws.All.CurrentModel;
    TRadioSim sim(model.Code);
    sim.SetMemory(MemoryFromWorkspace(ws));
    TPtyRadio radio(sim, true);
    QString error;
    if (!radio.Start(&error)) {
        std::fprintf(stderr, "bench_transfer: %s\n", qPrintable(error));
        return 2;
    }
    ws.All.PortName = radio.DevicePath();

    const double rFloor = readFloor(int(ReadMap(model).size()));
    const double wFloor = writeFloor(int(WriteMap(model).size()));
    std::printf("bench_transfer: %s, %d blocks read, %d written, paced at %.4f ms a byte\n",
                qPrintable(model.Name), int(ReadMap(model).size()), int(WriteMap(model).size()),
                Ms(ByteTime).count());
    std::printf("span: Ok pressed -> end command handed to the line; floor: start pauses + wake-up pauses\n"
                "      + line time of every byte in turn + every mandated pause (5 ms, 28 ms)\n");
    bool met = true;
    for (int i = 0; i < runs; ++i) {
        TimedLine line;
        SilentBox box;
        NoView view;
        TReadFlow read(ws, line, box, view);
        met &= report("read", run(read, line), rFloor);
    }
    for (int i = 0; i < runs; ++i) {
        TimedLine line;
        SilentBox box;
        NoView view;
        TWriteFlow write(ws, line, box, view);
        met &= report("write", run(write, line), wFloor);
    }
    std::printf("targets (ratio <= %.2f, CPU <= %.0f %%): %s\n", TargetRatio, 100 * TargetCpu,
                met ? "met" : "NOT met");
    return met ? 0 : 1;
}

#pragma once
// What the transfer tests share: a view that records what the flow did to
// it, a workspace with content worth moving, and the frames a radio should
// see for a read or a write of a catalogue model.

#include "link/PtyRadio.h"
#include "link/QtSerialLine.h"
#include "support/Fixtures.h"
#include "support/ScriptedMsgBox.h"
#include "core/Workspace.h"
#include "link/LinkFrames.h"
#include "link/TransferFlow.h"
#include "link/TransferPlan.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QList>
#include <QTimer>
#include <functional>

// Runs the event loop until done() holds or timeoutMs passed. Unlike
// QTest::qWaitFor it never sleeps between events, so the transfer's own
// timers keep their timing.
inline bool RunUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer look;
    look.setTimerType(Qt::PreciseTimer);
    look.setInterval(1);
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() >= timeoutMs)
            loop.quit();
    });
    if (done())
        return true;
    look.start();
    loop.exec();
    return done();
}

inline void RunFor(int ms)
{
    RunUntil([] { return false; }, ms);
}

struct RecordingView : TTransferView {
    int maximum = -1;
    int position = 0;
    int maxPosition = 0; // the furthest the bar went
    bool okEnabled = true;
    int closes = 0;
    void SetProgressMaximum(int m) override { maximum = m; }
    void SetProgress(int p) override
    {
        position = p;
        maxPosition = std::max(maxPosition, p);
    }
    void SetOkEnabled(bool e) override { okEnabled = e; }
    void CloseView() override { ++closes; }
};

// The radio (on its own thread) has taken the end command: the flow may
// have finished a moment before the last byte is through.
template <class Radio> bool EndReached(const Radio &radio)
{
    return RunUntil([&] { return !radio.Frames().isEmpty() && radio.Frames().last() == QByteArray(1, 0x45); },
                    2000);
}

// Channels, messages and settings that differ from a fresh workspace's.
inline std::unique_ptr<TWorkspace> FilledWorkspace()
{
    auto ws = NewWorkspace(0);
    TypeChannel(*ws, 1, QStringLiteral("446.00625"));
    TypeChannel(*ws, 2, QStringLiteral("450.12500"), QStringLiteral("455.12500"));
    TypeChannel(*ws, 16, QStringLiteral("469.99375"));
    ws->Channels.SetText(TChannelStore::ColDec, 2, QStringLiteral("67.0"));
    ws->Channels.SetText(TChannelStore::ColEnc, 3, QStringLiteral("D023N"));
    ws->Channels.SetHidden(TChannelStore::ColScanAdd, 3, QStringLiteral("0"));
    ws->Channels.SetText(TChannelStore::ColScanAdd, 3, QStringLiteral("Yes"));
    ws->EnMsg.MessageA = QStringLiteral("HELLO ORVEL 12345678901234567890"); // 32 characters
    ws->EnMsg.MessageB = QStringLiteral("Second message");
    ws->Fun.SquelchLevel = 7;
    ws->Fun.SideKey = 2;
    ws->Fun.VoxGainLevel = 3;
    ws->Fun.FmRadio = 1;
    return ws;
}

// The table as rows of display and hidden texts, for comparing two tables.
inline QStringList TableTexts(const TWorkspace &ws)
{
    QStringList rows;
    for (int r = 2; r < ws.Channels.RowCount(); ++r) {
        QStringList cells;
        for (int c = TChannelStore::ColRx; c <= TChannelStore::ColEnc; ++c)
            cells << ws.Channels.Text(c, r);
        for (int c = TChannelStore::ColPower; c <= TChannelStore::ColBusyLockout; ++c)
            cells << ws.Channels.Text(c, r) + u'|' + ws.Channels.Hidden(c, r);
        rows << cells.join(u',');
    }
    return rows;
}

inline const QByteArray &WakeUpFrame()
{
    static const QByteArray frame = Hex("02 50 52 4F 47 52 41 4E");
    return frame;
}

// Wake-up, identification request, the acknowledgement that starts a
// transfer.
inline QList<QByteArray> HandshakeFrames()
{
    return {WakeUpFrame(), Hex("02"), Hex("06")};
}

inline QList<QByteArray> ExpectedReadFrames(const TMacType &model)
{
    QList<QByteArray> frames = HandshakeFrames();
    for (const TBlockSlot &slot : ReadMap(model)) {
        for (int half = 0; half < 2; ++half) {
            frames << LinkFrames::ReadRequest(slot.address + 8 * half) << Hex("06");
        }
    }
    frames << Hex("45");
    return frames;
}

inline QList<QByteArray> ExpectedWriteFrames(const TWorkspace &ws)
{
    QList<QByteArray> frames = HandshakeFrames();
    for (const TPlannedBlock &b : BuildWritePlan(ws).blocks)
        for (int half = 0; half < 2; ++half)
            frames << LinkFrames::WriteFrame(b.slot.address, b.bytes, half, b.slot.frameY);
    frames << Hex("45");
    return frames;
}

// The first frame of a read request or write at address, as the radio logs it.
inline int FrameIndex(const QList<QByteArray> &frames, char command, int address)
{
    for (int i = 0; i < frames.size(); ++i) {
        const QByteArray &f = frames[i];
        if (f.size() >= 4 && f[0] == command && ((uint8_t(f[1]) << 8) | uint8_t(f[2])) == address)
            return i;
    }
    return -1;
}

// A simulated radio on a pseudo-terminal and the program's line to it.
// Pacing off answers at once; on, every byte takes its line time, so that a
// transfer lasts long enough to be interrupted in the middle.
struct PtyBench {
    TPtyRadio radio;
    TQtSerialLine line;
    explicit PtyBench(const TRadioSim &sim, bool pacing = false) : radio(sim, pacing) {}
    bool start()
    {
        QString error;
        if (radio.Start(&error))
            return true;
        qWarning("%s", qPrintable(error));
        return false;
    }
};

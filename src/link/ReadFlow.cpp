// The read transfer: the radio's memory into a staging result, taken into
// the workspace only when the whole read succeeded.
#include "link/BlockSequence.h"
#include "link/LinkTimings.h"
#include "link/SerialLine.h"
#include "link/TransferFlowPrivate.h"

#include "core/Workspace.h"
#include "localisation/MsgBox.h"

using namespace LinkTimings;

namespace {

class TReadFlowPrivate : public TTransferFlowPrivate {
public:
    TReadFlowPrivate(QObject &owner, TWorkspace &ws, TSerialLine &line, TMsgBox &box, TTransferView &view)
        : TTransferFlowPrivate(owner, ws, line, box, view, TLinkEngine::Side::Read)
    {
    }

    void Show() override;
    void Ok() override;

    bool readDone = false;
    bool firstFault = true;
    TReadResult result;

private:
    void identified(const QString &code) override;
    void startRead();
    void readFinished(bool ok, const QList<TBlockSlot> &map, const std::vector<TBlock> &blocks);
    void failed();
    void tryTimedOut() override;
    void lineError() override;

    const TMacType *m_model = nullptr;
};

void TReadFlowPrivate::Show()
{
    readDone = false;
    firstFault = true;
    errShown = false;
    portFailed = false;
    closed = false;
    engine.Reset();
    openPort([this](bool opened) {
        // Whatever the line held from before is no reply of ours.
        if (opened) {
            line.DiscardInput();
            line.DiscardOutput();
        }
    });
}

void TReadFlowPrivate::Ok()
{
    if (closed || portFailed)
        return;
    readDone = false;
    errShown = false;
    newAttempt();
    view.SetOkEnabled(false);
    pause.Start(ReadStartPause, [this] {
        if (portFailed)
            return;
        if (!line.IsOpen())
            return portError(false);
        engine.StartHandshake();
    });
}

void TReadFlowPrivate::identified(const QString &code)
{
    m_model = ws.Models.FindByCode(code);
    if (!m_model) {
        // Nothing more is sent; the user can only close the dialog.
        ask(ws.Language.ModError, MsgInformation, [this](int) { settle(TTransferOutcome::ModelRefused); });
        return;
    }
    engine.BeginTransfer([this] { startRead(); });
}

void TReadFlowPrivate::startRead()
{
    view.SetOkEnabled(false);
    errShown = false;
    engine.SendAck([this](bool acknowledged) {
        if (!acknowledged)
            return failed();
        setProgressMaximum(ReadProgressMaximum(*m_model));
        setProgress(0);
        const QList<TBlockSlot> map = ReadMap(*m_model);
        std::vector<TPlannedBlock> planned;
        for (const TBlockSlot &slot : map)
            planned.push_back({slot, {}});
        TBlockSequence::Run(
            engine, TBlockSequence::Mode::Read, planned, [this] { stepProgress(); },
            [this, map](bool ok, const std::vector<TBlock> &blocks) { readFinished(ok, map, blocks); });
    });
}

void TReadFlowPrivate::readFinished(bool ok, const QList<TBlockSlot> &map, const std::vector<TBlock> &blocks)
{
    TReadResult staged;
    if (!ok || !DecodeReadBlocks(*m_model, map, blocks, ws.Bands, staged))
        return failed();
    engine.EndAttempt();
    setProgress(ReadProgressMaximum(*m_model));
    // Only a whole read reaches the workspace.
    result = std::move(staged);
    ApplyReadResult(ws, result);
    readDone = true;
    ask(ws.Language.ReadOk, MsgInformation, [this](int) {
        settle(TTransferOutcome::Success);
        closeTime.Start(CloseTime, [this] {
            if (engine.LineFault())
                return;
            line.Close();
            view.CloseView();
        });
    });
}

// A failed sequence: ComError unless a message (or the silent restart) has
// already taken care of this attempt. Ok stays disabled.
void TReadFlowPrivate::failed()
{
    engine.EndAttempt();
    failedOnce();
}

void TReadFlowPrivate::tryTimedOut()
{
    if (errShown)
        return;
    engine.EndAttempt(); // the current exchange is abandoned
    errShown = true;
    ask(ws.Language.ComError, MsgRetryCancel, [this](int answer) {
        if (answer != IdRetry) {
            view.SetOkEnabled(true);
            return settle(TTransferOutcome::TimedOut);
        }
        pause.Start(RetryPause, [this] {
            setProgress(0);
            view.SetOkEnabled(true);
            Ok();
        });
    });
}

void TReadFlowPrivate::lineError()
{
    line.DiscardInput();
    line.DiscardOutput();
    if (firstFault) {
        // The first line error restarts the attempt without a word.
        errShown = true;
        firstFault = false;
        engine.FailExchange();
        engine.EndAttempt();
        reTime.Start(ReTime, [this] {
            view.SetOkEnabled(true);
            Ok();
        });
        return;
    }
    engine.StartTryTime();
    engine.FailExchange();
}

} // namespace

TReadFlow::TReadFlow(TWorkspace &ws, TSerialLine &line, TMsgBox &box, TTransferView &view, QObject *parent)
    : QObject(parent), d(std::make_unique<TReadFlowPrivate>(*this, ws, line, box, view))
{
    d->emitSettled = [this](TTransferOutcome outcome) { emit Settled(outcome); };
}

TReadFlow::~TReadFlow()
{
    d->Close();
}

void TReadFlow::Show()
{
    d->Show();
}

void TReadFlow::Ok()
{
    d->Ok();
}

void TReadFlow::Close()
{
    d->Close();
}

bool TReadFlow::ReadDone() const
{
    return static_cast<const TReadFlowPrivate &>(*d).readDone;
}

const TReadResult &TReadFlow::Result() const
{
    return static_cast<const TReadFlowPrivate &>(*d).result;
}

TTransferOutcome TReadFlow::Outcome() const
{
    return d->outcome;
}

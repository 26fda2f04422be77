// The write transfer, and its read-back when verifying.
#include "link/BlockSequence.h"
#include "link/LinkFrames.h"
#include "link/LinkTimings.h"
#include "link/SerialLine.h"
#include "link/TransferFlowPrivate.h"

#include "core/Workspace.h"
#include "localisation/MsgBox.h"

using namespace LinkTimings;

namespace {

class TWriteFlowPrivate : public TTransferFlowPrivate {
public:
    TWriteFlowPrivate(QObject &owner, TWorkspace &ws, TSerialLine &line, TMsgBox &box, TTransferView &view)
        : TTransferFlowPrivate(owner, ws, line, box, view, TLinkEngine::Side::Write)
    {
    }

    void Show() override;
    void Ok() override;

    bool verify = false;
    int mismatchAddress = -1;

private:
    void startAttempt();
    void identified(const QString &code) override;
    void startWrite();
    void writeFinished(bool ok);
    void startReadBack();
    void readBackFinished(bool ok, const std::vector<TBlock> &blocks);
    void succeeded();
    void failed();
    void tryTimedOut() override;
    void lineError() override;

    bool m_verifying = false; // the read-back session of this attempt
    TWritePlan m_plan;
};

void TWriteFlowPrivate::Show()
{
    errShown = false;
    portFailed = false;
    closed = false;
    engine.Reset();
    openPort([](bool) {});
}

void TWriteFlowPrivate::Ok()
{
    if (closed || portFailed)
        return;
    newAttempt();
    view.SetOkEnabled(false);
    pause.Start(WriteStartPause, [this] {
        if (!portFailed)
            startAttempt();
    });
}

void TWriteFlowPrivate::startAttempt()
{
    errShown = false;
    newAttempt();
    mismatchAddress = -1;
    m_verifying = false;
    engine.SetSide(TLinkEngine::Side::Write);
    line.DiscardInput();
    line.DiscardOutput();
    view.SetOkEnabled(false);
    pause.Start(WriteDiscardPause, [this] {
        if (!line.IsOpen())
            return portError(false);
        engine.StartHandshake();
    });
}

// CheckModel: the radio's model against the current one. What is written
// follows the current model whatever the radio said.
void TWriteFlowPrivate::identified(const QString &code)
{
    if (m_verifying) {
        engine.BeginTransfer([this] { startReadBack(); });
        return;
    }
    const TMacType *current = ws.All.CurrentModel;
    const TMacType *radio = ws.Models.FindByCode(code);
    if (current && code == current->Code) {
        engine.BeginTransfer([this] { startWrite(); });
        return;
    }
    if (!current || (radio && radio->ChannelCount != current->ChannelCount)) {
        ask(ws.Language.ModError, MsgInformation, [this](int) { settle(TTransferOutcome::ModelRefused); });
        return;
    }
    ask(ws.Language.Modforce, MsgYesNo, [this](int answer) {
        if (answer == IdYes)
            engine.BeginTransfer([this] { startWrite(); });
        else
            settle(TTransferOutcome::ModelDeclined);
    });
}

void TWriteFlowPrivate::startWrite()
{
    errShown = false;
    engine.SendAck([this](bool acknowledged) {
        if (!acknowledged)
            return failed();
        const TMacType &model = *ws.All.CurrentModel;
        m_plan = BuildWritePlan(ws);
        ws.All.ChannelUsedFlags = m_plan.channelUsedFlags;
        ws.All.ScanAddFlags = m_plan.scanAddFlags;
        setProgressMaximum(WriteProgressMaximum(model));
        setProgress(0);
        TBlockSequence::Run(
            engine, TBlockSequence::Mode::Write, m_plan.blocks, [this] { stepProgress(); },
            [this](bool ok, const std::vector<TBlock> &) { writeFinished(ok); });
    });
}

void TWriteFlowPrivate::writeFinished(bool ok)
{
    if (!ok)
        return failed();
    setProgress(WriteProgressMaximum(*ws.All.CurrentModel));
    if (!verify)
        return succeeded();
    // A second session reads back every block written, as a read does.
    m_verifying = true;
    engine.EndAttempt();
    pause.Start(ReadStartPause, [this] {
        if (!line.IsOpen())
            return failed();
        engine.SetSide(TLinkEngine::Side::Read);
        engine.StartHandshake();
    });
}

void TWriteFlowPrivate::startReadBack()
{
    engine.SendAck([this](bool acknowledged) {
        if (!acknowledged)
            return failed();
        setProgress(0);
        TBlockSequence::Run(
            engine, TBlockSequence::Mode::Read, m_plan.blocks, [this] { stepProgress(); },
            [this](bool ok, const std::vector<TBlock> &blocks) { readBackFinished(ok, blocks); });
    });
}

void TWriteFlowPrivate::readBackFinished(bool ok, const std::vector<TBlock> &blocks)
{
    if (!ok)
        return failed();
    setProgress(WriteProgressMaximum(*ws.All.CurrentModel));
    for (size_t i = 0; i < m_plan.blocks.size(); ++i) {
        if (blocks[i] == m_plan.blocks[i].bytes)
            continue;
        mismatchAddress = m_plan.blocks[i].slot.address;
        engine.EndAttempt();
        errShown = true;
        ask(ws.Language.VerifyError.arg(LinkFrames::AddressText(mismatchAddress)), MsgInformation, [this](int) {
            setProgress(0);
            view.SetOkEnabled(true);
            settle(TTransferOutcome::VerifyFailed);
        });
        return;
    }
    succeeded();
}

void TWriteFlowPrivate::succeeded()
{
    engine.EndAttempt();
    ask(ws.Language.WriteOk, MsgInformation, [this](int) {
        setProgress(0);
        view.SetOkEnabled(true);
        settle(TTransferOutcome::Success);
    });
}

// A failed sequence: ComError unless a line error has shown it already; Ok
// is enabled again once the sequence has ended.
void TWriteFlowPrivate::failed()
{
    engine.EndAttempt();
    view.SetOkEnabled(true);
    failedOnce();
}

void TWriteFlowPrivate::tryTimedOut()
{
    if (errShown)
        return;
    engine.EndAttempt(); // the current exchange is abandoned
    view.SetOkEnabled(true);
    errShown = true;
    ask(ws.Language.ComError, MsgRetryCancel, [this](int answer) {
        if (answer != IdRetry)
            return settle(TTransferOutcome::TimedOut);
        pause.Start(RetryPause, [this] {
            setProgress(0);
            startAttempt();
        });
    });
}

void TWriteFlowPrivate::lineError()
{
    const bool wasShown = errShown;
    errShown = true;
    const TLinkEngine::State state = engine.LinkState();
    engine.FailExchange();
    // During the handshake the attempt ends here: Ok stays disabled, and a
    // late identification must not start writing.
    if (state == TLinkEngine::State::WaitAck || state == TLinkEngine::State::WaitIdent)
        engine.EndAttempt();
    if (!wasShown)
        ask(ws.Language.ComError, MsgInformation, [this](int) { settle(TTransferOutcome::Failed); });
}

} // namespace

TWriteFlow::TWriteFlow(TWorkspace &ws, TSerialLine &line, TMsgBox &box, TTransferView &view, QObject *parent)
    : QObject(parent), d(std::make_unique<TWriteFlowPrivate>(*this, ws, line, box, view))
{
    d->emitSettled = [this](TTransferOutcome outcome) { emit Settled(outcome); };
}

TWriteFlow::~TWriteFlow()
{
    d->Close();
}

void TWriteFlow::SetVerify(bool verify)
{
    static_cast<TWriteFlowPrivate &>(*d).verify = verify;
}

void TWriteFlow::Show()
{
    d->Show();
}

void TWriteFlow::Ok()
{
    d->Ok();
}

void TWriteFlow::Close()
{
    d->Close();
}

TTransferOutcome TWriteFlow::Outcome() const
{
    return d->outcome;
}

int TWriteFlow::MismatchAddress() const
{
    return static_cast<const TWriteFlowPrivate &>(*d).mismatchAddress;
}

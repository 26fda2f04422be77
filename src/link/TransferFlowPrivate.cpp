#include "link/TransferFlowPrivate.h"

#include "core/Workspace.h"
#include "link/LinkTimings.h"
#include "link/PortList.h"
#include "link/SerialLine.h"
#include "localisation/MsgBox.h"

#include <QMetaObject>

using namespace LinkTimings;

TTransferFlowPrivate::TTransferFlowPrivate(QObject &owner, TWorkspace &ws_, TSerialLine &line_, TMsgBox &box_,
                                           TTransferView &view_, TLinkEngine::Side side)
    : ws(ws_), line(line_), box(box_), view(view_), engine(line_, side), m_owner(&owner)
{
    engine.onIdentified = [this](const QString &code) { identified(code); };
    engine.onHeadTimeout = [this] { headTimedOut(); };
    engine.onTryTimeout = [this] { tryTimedOut(); };
    engine.onLineError = [this] { lineError(); };
    engine.onLost = [this](const QString &) { lost(); };
}

void TTransferFlowPrivate::headTimedOut()
{
    if (errShown)
        return;
    // The attempt is over: a late acknowledgement must not start a transfer
    // under the question.
    engine.EndAttempt();
    pause.Start(LinkTimings::QuestionDelay, [this] {
        errShown = true;
        ask(ws.Language.ComError, MsgRetryCancel, [this](int answer) {
            view.SetOkEnabled(true);
            if (answer == IdRetry)
                Ok();
            else
                settle(TTransferOutcome::TimedOut);
        });
    });
}

void TTransferFlowPrivate::lost()
{
    // The line has closed itself; the engine has stopped.
    if (!running())
        return;
    view.SetOkEnabled(false);
    pause.Stop();
    reTime.Stop();
    if (errShown)
        return settle(TTransferOutcome::Failed);
    failedOnce();
}

TTransferFlowPrivate::~TTransferFlowPrivate() = default;

void TTransferFlowPrivate::Close()
{
    ++m_generation;
    closed = true;
    engine.Detach();
    closeTime.Stop();
    pause.Stop();
    reTime.Stop();
    reopen.Stop();
    line.Close();
    if (!m_settled)
        settle(TTransferOutcome::Closed);
}

void TTransferFlowPrivate::openPort(std::function<void(bool opened)> then)
{
    line.Close();
    reopen.Start(ReopenPause, [this, then = std::move(then)] {
        const QString device = DeviceOfPortName(ws.All.PortName);
        const bool opened = !device.isEmpty() && line.Open(device, TLineSettings()).ok();
        if (!opened) {
            portFailed = true;
            portError(true);
        }
        then(opened);
    });
}

void TTransferFlowPrivate::portError(bool closeView)
{
    newAttempt();
    engine.EndAttempt();
    // The dialog closes CloseTime after the message has been read, not while
    // it is still up in front of it.
    const auto settled = [this, closeView] {
        settle(TTransferOutcome::PortError);
        if (!closeView)
            return;
        closeTime.Start(CloseTime, [this] {
            line.Close();
            view.CloseView();
        });
    };
    if (!errShown) {
        errShown = true;
        ask(ws.Language.LPortError, MsgInformation, [settled](int) { settled(); });
    } else {
        settled();
    }
}

void TTransferFlowPrivate::post(std::function<void()> step)
{
    if (!m_owner)
        return;
    const int generation = m_generation;
    QMetaObject::invokeMethod(
        m_owner.data(),
        [this, generation, step = std::move(step)] {
            if (generation == m_generation)
                step();
        },
        Qt::QueuedConnection);
}

void TTransferFlowPrivate::ask(const QString &text, int kind, std::function<void(int answer)> then)
{
    post([this, text, kind, then = std::move(then)] {
        const QPointer<QObject> owner = m_owner;
        const int generation = m_generation;
        const int answer = box.MsgBox(ws.Language.Confirmation, text, kind);
        // The box's own event loop may have closed or destroyed the flow.
        if (!owner || generation != m_generation)
            return;
        if (then)
            then(answer);
    });
}

void TTransferFlowPrivate::failedOnce(TTransferOutcome result)
{
    if (errShown)
        return;
    errShown = true;
    ask(ws.Language.ComError, MsgInformation, [this, result](int) { settle(result); });
}

void TTransferFlowPrivate::newAttempt()
{
    m_settled = false;
}

void TTransferFlowPrivate::settle(TTransferOutcome result)
{
    if (m_settled)
        return;
    m_settled = true;
    outcome = result;
    if (!m_owner || !emitSettled)
        return;
    QMetaObject::invokeMethod(
        m_owner.data(), [notify = emitSettled, result] { notify(result); }, Qt::QueuedConnection);
}

void TTransferFlowPrivate::setProgressMaximum(int maximum)
{
    m_maximum = maximum;
    view.SetProgressMaximum(maximum);
}

void TTransferFlowPrivate::setProgress(int position)
{
    m_position = position;
    view.SetProgress(position);
}

void TTransferFlowPrivate::stepProgress()
{
    if (m_position < m_maximum)
        setProgress(m_position + 1);
}

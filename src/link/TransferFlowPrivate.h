#pragma once
// What the read and the write flow share: the link, the dialog's timers, the
// ErrShown rule, message boxes shown from queued calls, progress, opening
// the port, and coming to rest (Settled) once per attempt. Each flow derives
// its own private part from it.

#include "link/LinkEngine.h"
#include "link/StepTimer.h"
#include "link/TransferFlow.h"

#include <QPointer>
#include <functional>

class TTransferFlowPrivate {
public:
    TTransferFlowPrivate(QObject &owner, TWorkspace &ws, TSerialLine &line, TMsgBox &box, TTransferView &view,
                         TLinkEngine::Side side);
    virtual ~TTransferFlowPrivate();

    virtual void Show() = 0;
    virtual void Ok() = 0;
    void Close();

    TTransferOutcome outcome = TTransferOutcome::None;
    std::function<void(TTransferOutcome)> emitSettled;

protected:
    // The flow's answers to the link's events, wired by this class.
    virtual void identified(const QString &code) = 0;
    virtual void tryTimedOut() = 0;
    virtual void lineError() = 0;
    // HeadTime ran out: the attempt ends, and after QuestionDelay the user is
    // asked whether to retry (Retry runs Ok again, as both dialogs do).
    void headTimedOut();
    // The line went away (it has closed itself): ComError once, Ok disabled.
    void lost();

    // FormShow's port opening: the line closed, ReopenPause, then opened on
    // the device of PortName. opened(false) after LPortError (once, by
    // ErrShown) and CloseTime started.
    void openPort(std::function<void(bool opened)> then);
    // LPortError (once, by ErrShown): a port that cannot be opened (the
    // dialog then closes after CloseTime), or a line gone before an attempt.
    void portError(bool closeView);

    // Runs step from the event loop, unless the flow has closed or moved on
    // to a new dialog life in between.
    void post(std::function<void()> step);
    // Shows a box from a queued call; then runs with the answer unless the
    // flow closed (or was destroyed) while the box was up.
    void ask(const QString &text, int kind, std::function<void(int answer)> then = {});
    // ComError as an information box, once per attempt (ErrShown); the attempt
    // settles after it. With ErrShown already set, whoever set it settles.
    void failedOnce(TTransferOutcome outcome = TTransferOutcome::Failed);

    // The attempt comes to rest; Settled is emitted (queued) once per attempt.
    void settle(TTransferOutcome result);
    void newAttempt();
    // An attempt is under way (not yet at rest).
    bool running() const { return !m_settled; }

    void setProgressMaximum(int maximum);
    void setProgress(int position);
    void stepProgress(); // one block, never past the maximum

    TWorkspace &ws;
    TSerialLine &line;
    TMsgBox &box;
    TTransferView &view;
    TLinkEngine engine;
    TStepTimer closeTime;
    TStepTimer pause; // the dialog's own waits (start, retry, question delay)
    TStepTimer reopen; // FormShow: the pause between closing and opening the port
    TStepTimer reTime; // read side: the restart after the first line error

    bool errShown = false;
    bool closed = false;
    bool portFailed = false; // the port did not open: the dialog is closing, Ok does nothing

private:
    QPointer<QObject> m_owner;
    int m_generation = 0; // counts closes: queued steps of an earlier life are dropped
    bool m_settled = true; // nothing running yet
    int m_maximum = 0;
    int m_position = 0;
};

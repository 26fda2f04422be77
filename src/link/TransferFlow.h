#pragma once
// The read and write transfers as the read and write dialogs run them: open
// the port, the handshake, the model check, the block exchanges, the
// time-outs with their Retry questions, line errors, the closing timer. The
// flow shows its messages and questions through the message box and drives
// its view (progress bar, Ok button, closing); the dialog only lays out the
// form and forwards Ok and closing. The command line drives the same flows
// with a console box and a printing view.
//
// Everything runs on the thread that owns the flow (the UI thread) as an
// asynchronous state machine: nothing blocks, nothing busy-waits, every wait
// is a single-shot timer. Message boxes are shown from queued calls, never
// from inside a port notification, so a box's own event loop cannot re-enter
// a half-finished step.

#include "link/TransferPlan.h"

#include <QObject>
#include <memory>

class TMsgBox;
class TSerialLine;
struct TWorkspace;

class TTransferView {
public:
    virtual ~TTransferView() = default;
    virtual void SetProgressMaximum(int maximum) = 0;
    virtual void SetProgress(int position) = 0;
    virtual void SetOkEnabled(bool enabled) = 0;
    // The closing timer ran out: the dialog closes (the flow has closed the
    // port already).
    virtual void CloseView() = 0;
};

// How an attempt came to rest, for the command line and for tests. The user
// has seen the matching message already.
enum class TTransferOutcome {
    None,          // nothing has ended yet
    Success,       // ReadOk / WriteOk shown
    PortError,     // LPortError: the port could not be opened
    ModelRefused,  // ModError: a model the transfer cannot take
    ModelDeclined, // Modforce answered No
    Failed,        // ComError after a failed sequence or a line error
    TimedOut,      // ComError question answered Cancel
    VerifyFailed,  // the read-back after a write differs (VerifyError)
    Closed,        // the flow was closed while working
};

class TTransferFlowPrivate;

class TReadFlow : public QObject {
    Q_OBJECT
public:
    // line is opened on the device of ws.All.PortName. The flow keeps
    // references to everything; they must outlive it.
    TReadFlow(TWorkspace &ws, TSerialLine &line, TMsgBox &box, TTransferView &view,
              QObject *parent = nullptr);
    // Closes the port and stops every timer; nothing is touched afterwards.
    ~TReadFlow() override;

    void Show();  // the dialog is shown: opens the port
    void Ok();    // the Ok button
    void Close(); // the dialog closes: stops at once, closes the port

    // The read completed: ws holds the radio's model, band, messages and
    // settings; Result() holds its channels for LoadReadChannels. A read
    // that did not complete changed nothing in ws.
    bool ReadDone() const;
    const TReadResult &Result() const;
    TTransferOutcome Outcome() const;

signals:
    // An attempt came to rest: a message was shown and the flow waits for the
    // user (or closes itself after Success). Queued; emitted once per attempt.
    void Settled(TTransferOutcome outcome);

private:
    std::unique_ptr<TTransferFlowPrivate> d;
};

class TWriteFlow : public QObject {
    Q_OBJECT
public:
    // Writes ws's channel table, messages and settings for ws's CurrentModel.
    TWriteFlow(TWorkspace &ws, TSerialLine &line, TMsgBox &box, TTransferView &view,
               QObject *parent = nullptr);
    ~TWriteFlow() override;

    // With verify on, a successful write is read back block by block before
    // WriteOk; the first block that differs is reported with VerifyError.
    void SetVerify(bool verify);

    void Show();
    void Ok();
    void Close();

    TTransferOutcome Outcome() const;
    // The address of the first block that read back differently, or -1.
    int MismatchAddress() const;

signals:
    void Settled(TTransferOutcome outcome);

private:
    std::unique_ptr<TTransferFlowPrivate> d;
};

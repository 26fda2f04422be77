#pragma once
// What the read and write commands share: a view of a transfer for the
// console (a progress line on stderr, only when stderr is a terminal), the
// event loop that runs a flow until it comes to rest, and the outcome as an
// exit status.

#include "link/TransferFlow.h"

#include <QEventLoop>
#include <QObject>
#include <QString>

class TConsoleView : public TTransferView {
public:
    explicit TConsoleView(const QString &label); // "Reading", "Writing"
    ~TConsoleView() override;

    void SetProgressMaximum(int maximum) override;
    void SetProgress(int position) override;
    void SetOkEnabled(bool) override {}
    void CloseView() override {}
    // Ends the progress line, if one was drawn.
    void Finish();

private:
    void draw();

    QString m_label;
    bool m_terminal;
    bool m_drawn = false;
    int m_maximum = 0;
    int m_position = 0;
};

// Shows the flow, presses Ok, and runs the event loop until it settles.
template <class Flow> TTransferOutcome RunToRest(Flow &flow)
{
    QEventLoop loop;
    TTransferOutcome outcome = TTransferOutcome::None;
    QObject::connect(&flow, &Flow::Settled, &loop, [&](TTransferOutcome settled) {
        outcome = settled;
        loop.quit();
    });
    flow.Show();
    flow.Ok();
    loop.exec();
    return outcome;
}

// The port name of --port: a COM name or a device path; an empty text when
// it names nothing, after saying why on stderr.
QString PortOption(const QString &command, const QString &value);

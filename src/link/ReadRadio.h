#pragma once
// The read dialog: reads the radio's memory into the program. Shown, it opens
// the port; Ok starts the read. A read that completes has already taken the
// radio's model, band, settings and messages into the workspace and closes
// the dialog shortly after ReadOk; its channels wait in Result() for the main
// window. A read that did not complete (failed, or the dialog closed in the
// middle) changes nothing in the workspace.

#include "link/TransferDialog.h"

class TMsgBox;

class TfReadRadio : public TTransferDialog {
    Q_OBJECT
public:
    // objectName "fReadRadio".
    TfReadRadio(TWorkspace &ws, TMsgBox &box, QWidget *parent = nullptr, TSerialLine *line = nullptr);

    bool ReadDone() const;
    const TReadResult &Result() const;
    TTransferOutcome Outcome() const;

protected:
    void FlowShow() override;
    void FlowOk() override;
    void FlowClose() override;

private:
    std::unique_ptr<TReadFlow> m_flow;
};

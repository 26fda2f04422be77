#pragma once
// The write dialog: writes the workspace's channels, messages and settings
// into the radio. Shown, it opens the port; Ok starts a write. The dialog
// stays open after WriteOk, so the user may write again (another radio) or
// close it. With "Verify after write" ticked when Ok is pressed, the write is
// read back and the first block that differs is reported.

#include "link/TransferDialog.h"

class QCheckBox;
class TMsgBox;

class TfWriteRadio : public TTransferDialog {
    Q_OBJECT
public:
    // objectName "fWriteRadio".
    TfWriteRadio(TWorkspace &ws, TMsgBox &box, QWidget *parent = nullptr, TSerialLine *line = nullptr);

    TTransferOutcome Outcome() const;
    // The address of the first block that read back differently, or -1.
    int MismatchAddress() const;

protected:
    void FlowShow() override;
    void FlowOk() override;
    void FlowClose() override;

private:
    QCheckBox *chVerify;
    std::unique_ptr<TWriteFlow> m_flow;
};

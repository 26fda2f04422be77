#pragma once
// What the read and the write dialog share: the form (progress bar, room for
// options, Ok and Cancel), the view the transfer flow drives, translation
// when shown, and closing. However the dialog closes (Cancel, the close box,
// Escape, or the flow's own closing timer) the flow is closed with it, so
// the port is released at once and nothing of the transfer runs on.
//
// Each dialog owns its flow (a member of the derived dialog, so it is gone
// before the line it uses); the flow is told of the dialog's show, of Ok and
// of the close through the three hooks.

#include "link/TransferFlow.h"

#include <QDialog>
#include <memory>

class QProgressBar;
class QPushButton;
class QVBoxLayout;
class TSerialLine;
struct TWorkspace;

class TTransferDialog : public QDialog, public TTransferView {
    Q_OBJECT
public:
    // With no line given the dialog owns a serial line of its own.
    TTransferDialog(TWorkspace &ws, const char *formName, const QString &caption, QWidget *parent,
                    TSerialLine *line);
    ~TTransferDialog() override;

    // The view, as the flow drives it.
    void SetProgressMaximum(int maximum) override;
    void SetProgress(int position) override;
    void SetOkEnabled(bool enabled) override;
    void CloseView() override;

    // Every close ends here: the flow is closed before the dialog goes.
    void done(int result) override;

signals:
    // The flow's attempt came to rest (queued, once per attempt).
    void Settled(TTransferOutcome outcome);

protected:
    void showEvent(QShowEvent *event) override;

    TSerialLine &Line() { return *m_line; }
    // A row between the progress bar and the buttons (the write's verify box).
    void AddOptionRow(QWidget *option);

    virtual void FlowShow() = 0;
    virtual void FlowOk() = 0;
    virtual void FlowClose() = 0;

    TWorkspace &m_ws;

    QProgressBar *pBar;
    QPushButton *btnOk;
    QPushButton *btnCancel;

private:
    void FormShow();
    void FormClose();
    void btnOkClick();
    void btnCancelClick();

    std::unique_ptr<TSerialLine> m_ownLine;
    TSerialLine *m_line;
    QVBoxLayout *m_options;
};

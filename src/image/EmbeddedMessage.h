#pragma once
// The embedded message dialog: the radio's two messages of ws.EnMsg, stored
// back on Ok. Never sets Modified.
//
// The radio's message block takes letters, digits and the space only: the
// edits let nothing else in, neither typed nor pasted. A stored message that
// holds other characters (read from a radio or a file) is shown and kept as
// it is unless the user edits it; an edit drops them.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
struct TWorkspace;

class TfEmbeddedMessage : public QDialog {
    Q_OBJECT
public:
    // objectName "fEmbeddedMessage".
    explicit TfEmbeddedMessage(TWorkspace &ws, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();
    bool edEMAKeyPress(QEvent *event) const;
    void btnOkClick();
    void btnCancelClick();

    TWorkspace &m_ws;
    // The user changed the edit since it was filled.
    bool m_editedA = false;
    bool m_editedB = false;

    QLabel *lbEMA;
    QLineEdit *edEMA;
    QLabel *lbEMB;
    QLineEdit *edEMB;
    QPushButton *btnOk;
    QPushButton *btnCancel;
};

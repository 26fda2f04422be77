#pragma once
// The desktop message box: the three kinds as modal QMessageBoxes over the
// given parent window.
//
//   kind 1   information icon, OK            -> IdOk
//   kind 2   question icon, Yes (default), No -> IdYes / IdNo; closing: IdNo
//   kind 22  question icon, Retry (default), Cancel
//                                            -> IdRetry / IdCancel; closing: IdCancel
//   other    nothing is shown                -> IdOk
//
// The button texts are Qt's standard ones, in the language Qt runs in.

#include "localisation/MsgBox.h"

class QWidget;

class TDesktopMsgBox : public TMsgBox {
public:
    explicit TDesktopMsgBox(QWidget *parent = nullptr);
    void SetParent(QWidget *parent);
    int MsgBox(const QString &caption, const QString &text, int kind) override;

private:
    QWidget *m_parent = nullptr;
};

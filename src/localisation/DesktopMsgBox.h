#pragma once
// The desktop message box: the three kinds as modal QMessageBoxes over the
// given parent window.

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

#pragma once
// The command line's message box: nobody is there to press a button, so
// every box becomes one line on the error stream, and questions get the
// answer the command was started with (--force and the like).

#include "localisation/MsgBox.h"

#include <QTextStream>

class TConsoleMsgBox : public TMsgBox {
public:
    // yesNoAnswer and retryCancelAnswer are given to the questions of their
    // kind: IdYes or IdNo, IdRetry or IdCancel.
    TConsoleMsgBox(QTextStream &stream, int yesNoAnswer = IdNo, int retryCancelAnswer = IdCancel);

    int MsgBox(const QString &caption, const QString &text, int kind) override;

private:
    QTextStream &m_stream;
    int m_yesNo;
    int m_retryCancel;
};

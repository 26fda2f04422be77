#pragma once
// A message box for tests: records every box it is asked to show and answers
// from a script (then with a default answer), so no test ever waits on one.

#include "localisation/MsgBox.h"

#include <QList>
#include <QString>

class ScriptedMsgBox : public TMsgBox {
public:
    struct Shown {
        QString caption;
        QString text;
        int kind;
    };

    // Answers to give, in order; once used up, questions get defaultAnswer
    // and information boxes IdOk.
    QList<int> answers;
    int defaultAnswer = IdNo;
    QList<Shown> shown;

    int MsgBox(const QString &caption, const QString &text, int kind) override;

    // The texts shown, in order.
    QStringList texts() const;
};

#pragma once
// A message box for tests: records every box it is asked to show and answers
// from a script (then with a default answer), so no test ever waits on one.

#include "localisation/MsgBox.h"

#include <QList>
#include <functional>
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
    // Runs while a box is up, before it is answered: a real box keeps the
    // event loop turning for as long as the user reads it.
    std::function<void(const Shown &)> whileShown;

    int MsgBox(const QString &caption, const QString &text, int kind) override;

    // The texts shown, in order.
    QStringList texts() const;
};

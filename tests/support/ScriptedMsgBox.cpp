#include "ScriptedMsgBox.h"

int ScriptedMsgBox::MsgBox(const QString &caption, const QString &text, int kind)
{
    if (kind != MsgInformation && kind != MsgYesNo && kind != MsgRetryCancel)
        return IdOk;
    shown.append({caption, text, kind});
    if (whileShown)
        whileShown(shown.last());
    if (kind == MsgInformation)
        return IdOk;
    return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}

QStringList ScriptedMsgBox::texts() const
{
    QStringList out;
    for (const Shown &s : shown)
        out.append(s.text);
    return out;
}

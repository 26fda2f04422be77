#include "cli/ConsoleMsgBox.h"

TConsoleMsgBox::TConsoleMsgBox(QTextStream &stream, int yesNoAnswer, int retryCancelAnswer)
    : m_stream(stream), m_yesNo(yesNoAnswer), m_retryCancel(retryCancelAnswer)
{
}

int TConsoleMsgBox::MsgBox(const QString &caption, const QString &text, int kind)
{
    QString answer;
    int result = IdOk;
    switch (kind) {
    case MsgInformation:
        break;
    case MsgYesNo:
        result = m_yesNo;
        answer = result == IdYes ? QStringLiteral("yes") : QStringLiteral("no");
        break;
    case MsgRetryCancel:
        result = m_retryCancel;
        answer = result == IdRetry ? QStringLiteral("retry") : QStringLiteral("cancel");
        break;
    default:
        return IdOk; // no box for other kinds
    }
    m_stream << "orvel-cli: " << caption << ": " << text;
    if (!answer.isEmpty())
        m_stream << " [" << answer << "]";
    m_stream << Qt::endl;
    return result;
}

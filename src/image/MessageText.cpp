#include "image/MessageText.h"

bool IsMessageChar(QChar c)
{
    return c == u' ' || (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z')
        || (c >= u'a' && c <= u'z');
}

QValidator::State TMessageValidator::validate(QString &input, int &pos) const
{
    QString kept;
    kept.reserve(input.size());
    int keptPos = 0;
    for (int i = 0; i < input.size(); ++i) {
        if (!IsMessageChar(input.at(i)))
            continue;
        kept.append(input.at(i));
        if (i < pos)
            ++keptPos;
    }
    input = kept;
    pos = keptPos;
    return Acceptable;
}

#include "editing/KeyFilters.h"

#include <QKeyEvent>
#include <QString>

bool IsFrequencyKey(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u'\b' || c == u'\r' || c == u'\n';
}

bool IsToneKey(QChar c)
{
    return IsFrequencyKey(c) || QStringLiteral("DINdin").contains(c);
}

bool RefusesKey(const QKeyEvent &event, bool (*accept)(QChar))
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false; // a shortcut, not a typed character
    const QString text = event.text();
    for (const QChar c : text) {
        if (c.isPrint() && !accept(c))
            return true;
    }
    return false;
}

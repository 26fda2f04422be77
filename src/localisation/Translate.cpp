#include "localisation/Translate.h"

#include <QObject>
#include <QVariant>

namespace {
constexpr char ToolButtonProperty[] = "orvelToolButton";
}

void SetTag(QObject *component, int tag)
{
    component->setProperty(TagProperty, tag);
}

int Tag(const QObject *component)
{
    return component->property(TagProperty).toInt();
}

void MarkToolButton(QObject *action)
{
    action->setProperty(ToolButtonProperty, true);
}

void TranslateWindow(QWidget *, const QString &, bool)
{
}

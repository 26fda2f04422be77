// Placeholder until the desktop box lands.
#include "localisation/DesktopMsgBox.h"

TDesktopMsgBox::TDesktopMsgBox(QWidget *parent) : m_parent(parent) {}
void TDesktopMsgBox::SetParent(QWidget *parent) { m_parent = parent; }
int TDesktopMsgBox::MsgBox(const QString &, const QString &, int) { return IdOk; }

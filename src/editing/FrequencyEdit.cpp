#include "editing/FrequencyEdit.h"

#include "editing/KeyFilters.h"

#include <QKeyEvent>

TFrequencyEdit::TFrequencyEdit(const char *name, QWidget *parent) : QLineEdit(parent)
{
    setObjectName(QString::fromLatin1(name));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TFrequencyEdit::SetValueText(const QString &text)
{
    m_committed = text;
    setText(text);
}

void TFrequencyEdit::Commit()
{
    if (text() == m_committed)
        return;
    m_committed = text(); // before the handler runs: its messages take the focus
    emit ValueChanged();
}

void TFrequencyEdit::keyPressEvent(QKeyEvent *event)
{
    if (RefusesKey(*event, IsFrequencyKey)) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        Commit();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TFrequencyEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // A message box or another window in front is no leaving of the field.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        Commit();
}

bool TFrequencyEdit::focusNextPrevChild(bool next)
{
    Commit();
    // The commit may have placed the focus itself (TX hands it to the decode
    // tone): that is where Tab goes then. A range message shown by the
    // commit only takes the focus while it is up.
    if (window()->focusWidget() != this)
        return true;
    const bool moved = QLineEdit::focusNextPrevChild(next);
    // The next field's text selected, as Tab leaves it, also when a message
    // was up: the window then gives the focus back without selecting.
    if (auto *field = qobject_cast<QLineEdit *>(window()->focusWidget()); field && field != this)
        field->selectAll();
    return moved;
}

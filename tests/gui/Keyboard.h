#pragma once
// Typing as a user does: keys go where the keyboard sends them, to the
// widget with the focus (for a tone selector the list, not its line edit).

#include <QApplication>
#include <QWidget>
#include <QtTest>

// Gives widget the focus, replaces its text by typing and commits it with
// Enter.
inline void TypeAndEnter(QWidget *widget, const QString &text)
{
    widget->setFocus();
    QWidget *field = QApplication::focusWidget();
    QVERIFY(field);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Enter);
}

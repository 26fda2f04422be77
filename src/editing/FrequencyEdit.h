#pragma once
// The frequency field of the channel dialogs: a one-line editor that lets
// only the frequency keys through and reports a change when the user commits
// it (Enter, or the focus leaving for another field of the window) and the
// text differs from the one last committed. Enter is taken by the field: it
// commits and never presses the dialog's default button. Tab commits too,
// before the focus moves on.

#include <QLineEdit>

class TFrequencyEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TFrequencyEdit(const char *name, QWidget *parent = nullptr);

    // The text as it stood at the last commit (or as the window set it):
    // what the window may write into the table while the user is still
    // typing.
    QString CommittedText() const { return m_committed; }
    // Sets the text without reporting a change: the window's own values are
    // no edit of the user's.
    void SetValueText(const QString &text);
    // Commits what is typed: reports ValueChanged when it differs from the
    // committed text.
    void Commit();

signals:
    void ValueChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    // Tab commits before the focus moves, so that the fields a commit enables
    // (those of a channel just created) are the ones Tab reaches.
    bool focusNextPrevChild(bool next) override;

private:
    QString m_committed;
};

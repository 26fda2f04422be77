#pragma once
// The characters of an embedded message: the radio's message block takes
// letters A..Z and a..z, digits and the space only.

#include <QValidator>

bool IsMessageChar(QChar c);

// Keeps every other character out of a message edit, whatever brings it in
// (typing, pasting, dropping): they are dropped from the new text and the
// rest is taken. So a message read with other characters stays as it is
// until the user edits it, and can then be edited like any other.
class TMessageValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

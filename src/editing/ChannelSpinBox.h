#pragma once
// A channel number editor that never refuses a typed number: any number of
// digits can be typed, and when the editing ends a value outside
// [minimum, maximum] is limited to the nearer end, without a message.
// Reports a value change only when the editing ends (no keyboard tracking).

#include <QSpinBox>

class TChannelSpinBox : public QSpinBox {
    Q_OBJECT
public:
    // Minimum 1, maximum and value 1 until the opener sets them.
    explicit TChannelSpinBox(const char *name, QWidget *parent = nullptr);

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
};

#include "editing/ChannelSpinBox.h"

#include <algorithm>

namespace {
constexpr int kFirstChannel = 1;
// More digits than any channel count could need; beyond them a key is refused.
constexpr int kMaxDigits = 6;
} // namespace

TChannelSpinBox::TChannelSpinBox(const char *name, QWidget *parent) : QSpinBox(parent)
{
    setObjectName(QString::fromLatin1(name));
    setRange(kFirstChannel, kFirstChannel);
    setKeyboardTracking(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State TChannelSpinBox::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos);
    const QString digits = input.trimmed();
    if (digits.isEmpty())
        return QValidator::Intermediate;
    if (digits.size() > kMaxDigits)
        return QValidator::Invalid;
    for (const QChar c : digits)
        if (c < u'0' || c > u'9')
            return QValidator::Invalid;
    const int v = digits.toInt();
    return v >= minimum() && v <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void TChannelSpinBox::fixup(QString &input) const
{
    bool ok = false;
    const int v = input.trimmed().toInt(&ok);
    if (ok)
        input = QString::number(std::clamp(v, minimum(), maximum()));
}

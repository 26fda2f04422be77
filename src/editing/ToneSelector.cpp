#include "editing/ToneSelector.h"

#include "editing/KeyFilters.h"
#include "editing/ToneOption.h"
#include "image/ValueFormats.h"
#include "localisation/Translate.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {
constexpr int kToneSelectorTag = -3; // only item 0, the none text, is translated
constexpr int kVisibleTones = 20;
} // namespace

TToneSelector::TToneSelector(const char *name, QWidget *parent) : QComboBox(parent)
{
    setObjectName(QString::fromLatin1(name));
    SetTag(this, kToneSelectorTag);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr); // typed tones are normalised, not completed from the list
    setMaxVisibleItems(kVisibleTones);
    addItems(ToneList(QStringLiteral("None")));
    Show(0, itemText(0));
    lineEdit()->installEventFilter(this);
    installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this] {
        m_reported = currentText();
        emit ValueChanged();
    });
}

bool TToneSelector::IsNone(const QString &noneText) const
{
    const QString t = currentText().trimmed();
    return t.isEmpty() || t == itemText(0) || t == noneText;
}

void TToneSelector::Normalise(const QString &noneText)
{
    if (IsNone(noneText)) {
        Show(0, itemText(0));
        return;
    }
    const QString tone = CheckToneText(currentText().trimmed());
    Show(findText(tone), tone);
}

QString TToneSelector::CellText(const QString &noneText) const
{
    if (IsNone(noneText))
        return noneText;
    // A tone shown from the table and left alone goes back as it was: a
    // write-back caused by another field changes no tone the user did not
    // touch.
    if (currentText() == m_shownCell)
        return m_shownCell;
    return CheckToneText(currentText().trimmed());
}

void TToneSelector::ShowCell(const QString &cellText, const QString &noneText)
{
    if (cellText.trimmed().isEmpty() || cellText == noneText) {
        Show(0, itemText(0));
        m_shownCell.clear();
    } else {
        Show(findText(cellText), cellText);
        m_shownCell = cellText;
    }
}

void TToneSelector::SetTyped(const QString &text)
{
    const QSignalBlocker quiet(this);
    setEditText(text);
}

bool TToneSelector::PickTone(const TALL &all, QWidget *parent)
{
    const QString picked = TfToneOption::Pick(all, parent);
    if (picked.isEmpty())
        return false;
    SetTyped(picked);
    return true;
}

void TToneSelector::Show(int index, const QString &text)
{
    const QSignalBlocker quiet(this);
    setCurrentIndex(index);
    setEditText(text);
    m_reported = text;
}

void TToneSelector::Commit()
{
    if (currentText() == m_reported)
        return;
    m_reported = currentText();
    emit ValueChanged();
}

bool TToneSelector::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        // The keyboard's keys come to the list, which has the focus and hands
        // them to its line edit directly, past this filter; a key sent to the
        // line edit itself comes here through the line edit.
        if (watched != this && watched != lineEdit())
            break;
        auto *key = static_cast<QKeyEvent *>(event);
        if (RefusesKey(*key, IsToneKey))
            return true;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Commit();
            return true; // taken here: no default button, no matching by the list
        }
        break;
    }
    case QEvent::FocusOut: {
        // The list popping up, a message or the tone picker in front take
        // the focus only for a while.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            Commit();
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (watched == lineEdit()) {
            emit DoubleClicked();
            return true;
        }
        break;
    default:
        break;
    }
    return QComboBox::eventFilter(watched, event);
}

#include "localisation/DesktopMsgBox.h"

#include <QMessageBox>

namespace {

struct TBoxLayout {
    QMessageBox::Icon icon;
    QMessageBox::StandardButton first; // the default button
    QMessageBox::StandardButton second;
    int firstResult;
    int secondResult; // also the result of closing the box
};

// The two question kinds; information has one button and always gives IdOk.
constexpr TBoxLayout YesNo{QMessageBox::Question, QMessageBox::Yes, QMessageBox::No, IdYes, IdNo};
constexpr TBoxLayout RetryCancel{QMessageBox::Question, QMessageBox::Retry, QMessageBox::Cancel,
                                 IdRetry, IdCancel};

} // namespace

TDesktopMsgBox::TDesktopMsgBox(QWidget *parent) : m_parent(parent) {}

void TDesktopMsgBox::SetParent(QWidget *parent)
{
    m_parent = parent;
}

int TDesktopMsgBox::MsgBox(const QString &caption, const QString &text, int kind)
{
    if (kind == MsgInformation) {
        QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, m_parent);
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        return IdOk;
    }
    if (kind != MsgYesNo && kind != MsgRetryCancel)
        return IdOk;

    const TBoxLayout &layout = kind == MsgYesNo ? YesNo : RetryCancel;
    QMessageBox box(layout.icon, caption, text, layout.first | layout.second, m_parent);
    box.setDefaultButton(layout.first);
    // Escape and the window's close button answer with the second button.
    box.setEscapeButton(layout.second);
    box.exec();
    return box.clickedButton() == box.button(layout.first) ? layout.firstResult : layout.secondResult;
}

#include "image/EmbeddedMessage.h"

#include "core/Workspace.h"
#include "image/MessageText.h"
#include "editing/KeyFilters.h"
#include "localisation/FormParts.h"
#include "localisation/Messages.h"
#include "localisation/Translate.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr int MessageLength = 32; // two message blocks of 16 characters
constexpr int EditMinimumWidth = 260;

// Backspace and Enter besides the characters of a message.
bool IsMessageKey(QChar c)
{
    return c == u'\b' || c == u'\r' || IsMessageChar(c);
}

QLineEdit *NewMessageEdit(const char *name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(MessageLength);
    edit->setMinimumWidth(EditMinimumWidth);
    edit->setValidator(new TMessageValidator(edit));
    return edit;
}

} // namespace

TfEmbeddedMessage::TfEmbeddedMessage(TWorkspace &ws, QWidget *parent)
    : QDialog(parent, FixedDialogFlags),
      m_ws(ws)
{
    setObjectName(QStringLiteral("fEmbeddedMessage"));
    setWindowTitle(QStringLiteral("Embedded Message"));

    lbEMA = NewCaption("lbEMA", QStringLiteral("Message A:"), this);
    edEMA = NewMessageEdit("edEMA", this);
    lbEMA->setBuddy(edEMA);
    lbEMB = NewCaption("lbEMB", QStringLiteral("Message B:"), this);
    edEMB = NewMessageEdit("edEMB", this);
    lbEMB->setBuddy(edEMB);
    edEMA->installEventFilter(this);
    edEMB->installEventFilter(this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(lbEMA, 0, 0);
    grid->addWidget(edEMA, 0, 1);
    grid->addWidget(lbEMB, 1, 0);
    grid->addWidget(edEMB, 1, 1);
    grid->addLayout(NewOkCancelRow(btnOk, btnCancel, this), 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(edEMA, &QLineEdit::textEdited, this, [this] { m_editedA = true; });
    connect(edEMB, &QLineEdit::textEdited, this, [this] { m_editedB = true; });
    connect(btnOk, &QPushButton::clicked, this, &TfEmbeddedMessage::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfEmbeddedMessage::btnCancelClick);
}

void TfEmbeddedMessage::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

bool TfEmbeddedMessage::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == edEMA || watched == edEMB) && edEMAKeyPress(event))
        return true;
    return QDialog::eventFilter(watched, event);
}

namespace {
// Shows a message exactly as stored, even with characters the edit does not
// take: what Ok keeps for an untouched edit is what the user saw. The filter
// is for what the user brings in.
void ShowStored(QLineEdit *edit, const QString &text)
{
    const QValidator *filter = edit->validator();
    edit->setValidator(nullptr);
    edit->setText(text);
    edit->setValidator(filter);
}
} // namespace

void TfEmbeddedMessage::FormShow()
{
    const TALL &all = m_ws.All;
    if (all.LanguageIndex > 0)
        TranslateWindow(this, LanguageFilePath(all.AppFolder, all.LanguageName), true);
    ShowStored(edEMA, m_ws.EnMsg.MessageA);
    ShowStored(edEMB, m_ws.EnMsg.MessageB);
    m_editedA = false;
    m_editedB = false;
}

// True when event types a character the messages do not take.
bool TfEmbeddedMessage::edEMAKeyPress(QEvent *event) const
{
    return event->type() == QEvent::KeyPress
        && RefusesKey(*static_cast<QKeyEvent *>(event), IsMessageKey);
}

void TfEmbeddedMessage::btnOkClick()
{
    // An edit the user left alone keeps its message exactly as stored.
    if (m_editedA)
        m_ws.EnMsg.MessageA = edEMA->text();
    if (m_editedB)
        m_ws.EnMsg.MessageB = edEMB->text();
    accept();
}

void TfEmbeddedMessage::btnCancelClick()
{
    reject();
}

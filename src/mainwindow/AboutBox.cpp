#include "mainwindow/AboutBox.h"

#include "core/AppState.h"
#include "localisation/Messages.h"
#include "localisation/Translate.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {
constexpr int IconSize = 64;
}

TfFrmAbout::TfFrmAbout(const TALL &all, QWidget *parent) : QDialog(parent), m_all(all)
{
    setObjectName(QStringLiteral("fFrmAbout"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setModal(true);

    auto *layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("ImApp"));
    m_image->setFixedSize(IconSize, IconSize);
    layout->addWidget(m_image, 0, 0, 6, 1, Qt::AlignTop);

    // Placeholders: the language file gives the texts.
    const char *const names[] = {"Label1", "Label2", "Label3", "Label4", "Label8", "Label9"};
    const char *const captions[] = {"1", "2", "3", "5", "4", "6"};
    for (int i = 0; i < 6; ++i)
        layout->addWidget(addLabel(names[i], captions[i], this), i, 1);
    layout->itemAtPosition(0, 1)->widget()->setStyleSheet(QStringLiteral("font-weight: bold"));

    // Hidden holder of the memo's lines, so that they come from the
    // language file like every caption.
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto *panelLayout = new QVBoxLayout(panel);
    m_label5 = addLabel("Label5", "7", panel);
    m_label6 = addLabel("Label6", "8", panel);
    m_label7 = addLabel("Label7", "9", panel);
    panelLayout->addWidget(m_label5);
    panelLayout->addWidget(m_label6);
    panelLayout->addWidget(m_label7);
    panel->hide();

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    m_memo->setFixedHeight(90);
    layout->addWidget(m_memo, 6, 0, 1, 2);
    setFixedWidth(420);
}

QLabel *TfFrmAbout::addLabel(const char *name, const char *caption, QWidget *parent)
{
    auto *label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QString TfFrmAbout::MemoText() const
{
    return m_memo->toPlainText();
}

void TfFrmAbout::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TfFrmAbout::FormShow()
{
    m_image->setPixmap(QApplication::windowIcon().pixmap(IconSize, IconSize));
    TranslateWindow(this, LanguageFilePath(m_all.AppFolder, m_all.LanguageName), false);
    setWindowTitle(m_all.ProductTitle);
    m_memo->setPlainText(QStringList{m_label5->text(), m_label6->text(), QString(), m_label7->text()}
                             .join(u'\n'));
    adjustSize();
}

void TfFrmAbout::mousePressEvent(QMouseEvent *event)
{
    // Labels pass their clicks on to the box; the memo keeps its own.
    QDialog::mousePressEvent(event);
    close();
}

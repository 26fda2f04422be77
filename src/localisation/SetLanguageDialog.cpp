#include "localisation/SetLanguageDialog.h"

#include "core/AppState.h"
#include "core/Settings.h"
#include "localisation/FormParts.h"
#include "localisation/Messages.h"
#include "localisation/Translate.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

namespace {
constexpr int KeepItems = -2;
constexpr int ChoiceMinimumWidth = 160;
} // namespace

TfSetLanguage::TfSetLanguage(TALL &all, const QString &settingsPath, QWidget *parent)
    : QDialog(parent, FixedDialogFlags),
      m_all(all), m_settingsPath(settingsPath)
{
    setObjectName(QStringLiteral("fSetLanguage"));
    setWindowTitle(QStringLiteral("Language File Setup"));

    lbName = NewCaption("lbName", QStringLiteral("Language Mode: "), this);
    cbLanguage = NewFixedList("cbLanguage", KeepItems, ChoiceMinimumWidth, this);
    lbName->setBuddy(cbLanguage);

    Language = new QListWidget(this);
    Language->setObjectName(QStringLiteral("Language"));
    Language->hide();

    auto *grid = new QGridLayout(this);
    grid->addWidget(lbName, 0, 0);
    grid->addWidget(cbLanguage, 0, 1);
    auto *buttons = NewOkCancelRow(btnOk, btnCancel, this);
    grid->addLayout(buttons, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOk, &QPushButton::clicked, this, &TfSetLanguage::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfSetLanguage::btnCancelClick);
}

bool TfSetLanguage::LanguageChanged() const
{
    return m_changed;
}

void TfSetLanguage::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TfSetLanguage::FormShow()
{
    cbLanguage->clear();
    Language->clear();
    QStringList displayNames;
    QStringList fileNames;
    LoadLanguageList(m_settingsPath, m_all.LanguageName, displayNames, fileNames);
    cbLanguage->addItems(displayNames);
    Language->addItems(fileNames);
    if (m_all.LanguageIndex > 0)
        TranslateWindow(this, LanguageFilePath(m_all.AppFolder, m_all.LanguageName), false);
    // An index beyond the list selects nothing.
    cbLanguage->setCurrentIndex(m_all.LanguageIndex < cbLanguage->count() ? m_all.LanguageIndex : -1);
    m_changed = false;
}

void TfSetLanguage::btnOkClick()
{
    const int i = cbLanguage->currentIndex();
    // Without a file name at its position a choice names no language file.
    if (i != m_all.LanguageIndex && i >= 0 && i < Language->count()) {
        m_changed = true;
        m_all.LanguageName = Language->item(i)->text();
        m_all.LanguageIndex = i;
    }
    accept();
}

void TfSetLanguage::btnCancelClick()
{
    reject();
}

// Placeholder until the language dialog lands.
#include "localisation/SetLanguageDialog.h"

TfSetLanguage::TfSetLanguage(TALL &all, const QString &settingsPath, QWidget *parent)
    : QDialog(parent), m_all(all), m_settingsPath(settingsPath)
{
    setObjectName(QStringLiteral("fSetLanguage"));
}
bool TfSetLanguage::LanguageChanged() const { return m_changed; }

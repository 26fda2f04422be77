#pragma once
// The language dialog: the languages by their display names in the current
// language; Ok with another choice sets LanguageName and LanguageIndex.

#include <QDialog>

struct TALL;

class TfSetLanguage : public QDialog {
    Q_OBJECT
public:
    // objectName "fSetLanguage". The language list comes from the settings
    // file at settingsPath.
    TfSetLanguage(TALL &all, const QString &settingsPath, QWidget *parent = nullptr);
    bool LanguageChanged() const;

private:
    TALL &m_all;
    QString m_settingsPath;
    bool m_changed = false;
};

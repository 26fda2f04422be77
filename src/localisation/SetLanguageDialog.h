#pragma once
// The language dialog: the languages by their display names in the current
// language; Ok with another choice sets LanguageName and LanguageIndex.
//
// The display names (cbLanguage) and the language file names (the hidden
// list box Language) correspond by position. A display name with no file
// name at its position cannot select a language: Ok then changes nothing and
// reports no change, as Cancel does.

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
struct TALL;

class TfSetLanguage : public QDialog {
    Q_OBJECT
public:
    // objectName "fSetLanguage". The language list comes from the settings
    // file at settingsPath.
    TfSetLanguage(TALL &all, const QString &settingsPath, QWidget *parent = nullptr);
    // Ok chose another language than the current one (LanguageChanged).
    bool LanguageChanged() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void btnOkClick();
    void btnCancelClick();

    TALL &m_all;
    QString m_settingsPath;
    bool m_changed = false;

    QLabel *lbName;
    QComboBox *cbLanguage;
    QListWidget *Language;
    QPushButton *btnOk;
    QPushButton *btnCancel;
};

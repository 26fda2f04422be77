#pragma once
// The about box: the program's icon and the texts of the language file
// (Label1..Label4, Label8, Label9 and, through the hidden labels Label5..7,
// the memo). Translated whatever the language index; the caption is always
// the product title. A click anywhere but in the memo closes it.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
struct TALL;

class TfFrmAbout : public QDialog {
    Q_OBJECT
public:
    // objectName "fFrmAbout".
    explicit TfFrmAbout(const TALL &all, QWidget *parent = nullptr);

    QString MemoText() const;

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void FormShow();
    QLabel *addLabel(const char *name, const char *caption, QWidget *parent);

    const TALL &m_all;
    QLabel *m_image = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_label6 = nullptr;
    QLabel *m_label7 = nullptr;
    QPlainTextEdit *m_memo = nullptr;
    bool m_shown = false;
};

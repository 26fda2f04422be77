#pragma once
// The model dialog: the user picks a model of the catalogue and one of its
// bands. The main window applies the choice after the dialog has closed.
//
// Shown, it lists the catalogue's models with the current model selected
// (the first one when ModelName is none of them) and that model's bands with
// the current band selected (the model's first band when BandText is none
// of them). Choosing another model lists its bands with its default band
// selected. Both lists are fixed and never translated.

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
struct TWorkspace;

class TfModel : public QDialog {
    Q_OBJECT
public:
    // objectName "fModel".
    TfModel(const TWorkspace &ws, QWidget *parent = nullptr);
    // Ok was pressed (the dialog's Accepted field).
    bool IsAccepted() const;
    QString ModelText() const; // text of cbCopmut
    QString BandText() const;  // text of cbPd

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void cbCopmutChange();
    void btnOkClick();
    void btnCancelClick();

    const TWorkspace &m_ws;
    bool m_accepted = false;

    QLabel *Label1;
    QComboBox *cbCopmut;
    QLabel *Label2;
    QComboBox *cbPd;
    QPushButton *btnOk;
    QPushButton *btnCancel;
};

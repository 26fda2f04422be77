#pragma once
// The model dialog: the user picks a model of the catalogue and one of its
// bands. The main window applies the choice after the dialog has closed.

#include <QDialog>

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

private:
    const TWorkspace &m_ws;
    bool m_accepted = false;
};

#pragma once
// The test frequency dialog: the sixteen test frequency pairs of
// ws.TestFre in a grid, stored back on Ok. Never sets Modified.
//
// Grid coordinates: the table's column 0 is the hidden title column, column
// 1 the channel numbers, columns 2 and 3 receive and transmit; pair i stands
// in table row i - 1 (grid row i + 1, under the heading row).
//
// A committed cell text is range-checked against the model and band (with
// the Caution messages) and shown "0.00000", never put on the channel step.
// An emptied cell empties its entry. Closing in any way after an accepted
// edit tells the user, once, that the radio no longer matches.

#include <QDialog>

class QLabel;
class QModelIndex;
class QPushButton;
class QTableWidget;
class TTestFrequencyCells;
class TMsgBox;
struct TWorkspace;

class TfTestFrequency : public QDialog {
    Q_OBJECT
public:
    // objectName "fTestFrequency".
    TfTestFrequency(TWorkspace &ws, TMsgBox &box, QWidget *parent = nullptr);

    // Every way of closing (Ok, Cancel, the close box, Escape) ends here.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BuildGrid();
    void FormShow();
    void gvDataSetForeText(const QModelIndex &index, const QString &text);
    void btnOkClick();
    void btnCancelClick();
    void FormCloseQuery();

    TWorkspace &m_ws;
    TMsgBox &m_box;
    bool m_edited = false;

    QTableWidget *gvData;
    TTestFrequencyCells *m_cells;
    QLabel *Label1;
    QPushButton *btnOk;
    QPushButton *btnCancel;
};

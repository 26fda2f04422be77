#pragma once
// The function settings dialog: the fifteen settings of TFun, shown in their
// lists, check boxes and the VOX gain spin edit, stored back on Ok.
//
// The report fills the dialog without showing it (Prepare) and reads its
// captions, check states and shown texts by objectName, so every control
// keeps its name.
//
// A field whose value has no entry in its list (a data file stores settings
// unclamped) selects no entry, and Ok keeps the field's value unless the
// user picked an entry. Likewise a gain outside 0..4 shows the nearest end
// of the spin edit and is kept unless the user changes the spin edit.

#include "image/AllClass.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
struct TWorkspace;

class TfBFunSet : public QDialog {
    Q_OBJECT
public:
    // objectName "fBFunSet".
    explicit TfBFunSet(TWorkspace &ws, QWidget *parent = nullptr);

    // The show-time preparation: translated (with lists) when LanguageIndex
    // is above 0, then the controls loaded from ws.Fun.
    void Prepare();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct TListControl {
        QComboBox *list;
        int TFun::*field;
    };
    struct TCheckControl {
        QCheckBox *check;
        int TFun::*field;
    };

    void BuildLists(QGridLayout *grid);
    QWidget *BuildVoxGroup();
    QWidget *BuildOptions();

    void FormShow();
    void chVoxFunClick();
    void btnOkClick();
    void btnCancelClick();

    TWorkspace &m_ws;
    // The values shown when prepared: what Ok keeps for a list left without
    // an entry or a gain spin edit left alone.
    TFun m_prepared;
    bool m_gainChanged = false;

    std::vector<TListControl> m_lists;
    std::vector<TCheckControl> m_checks;

    QGroupBox *gbVox;
    QCheckBox *chVoxFun;
    QWidget *Panel1;
    QLabel *Label8;
    QSpinBox *seVoxLevel;
    QCheckBox *chVoxInhibit;
    QPushButton *btnOk;
    QPushButton *btnCancel;
};

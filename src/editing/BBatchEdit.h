#pragma once
// The batch channel edit: fills a run of channels of the channel table in
// one go. Every channel of the run gets the same tones and options and RX
// and TX frequencies that start at the given values and move by the channel
// step from one channel to the next, up (ASC) or down (DESC). "&Ok" fills
// and leaves the dialog open for another run; "&Cancel" closes it, keeping
// what was filled.
//
// The run is all channels, or channels From to To. From-To refuses From
// above To (FChBigT) and a start outside the model limits (ErrRange); all
// channels checks nothing and keeps every channel inside the model limits
// instead. A start that is no number does nothing and says nothing. Each
// filled row gets all ten columns and the in-use marker; afterwards the
// whole TX column is editable.
//
// Components, in creation order: lbReceive, eReceive, lbSend, eSend, lbJg,
// cbJg (Tag -2), the shared channel fields, rall, rOne, the panel pPd with
// lbFrom, seFrom, lbTo, seTo, rasc, rdesc, btnOk, btnCancel.

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;
class TChannelFields;
class TChannelSpinBox;
class TFrequencyEdit;
class TMsgBox;
class TToneSelector;
struct TWorkspace;

class TfBBatchEdit : public QDialog {
    Q_OBJECT
public:
    // objectName "fBBatchEdit".
    TfBBatchEdit(TWorkspace &ws, TMsgBox &box, QWidget *parent = nullptr);

    // The highest channel seFrom and seTo offer: the table's channel count.
    void SetChannelMaximum(int maximum);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    bool ValidateRun();
    void FillRun();
    // The step in MHz from the text cbJg shows ("25.0" until one is picked).
    std::optional<double> Step() const;
    bool OutsideModel(double mhz) const;

    // Handlers.
    void eReceivePropertiesEditValueChanged();
    void eSendPropertiesEditValueChanged();
    void cbQTExit();
    void cbDQTExit();
    void cbQTDblClick();
    void cbDQTDblClick();
    void chsmtjClick();
    void chpppyClick();
    void chfmClick();
    void rallClick();
    void btnOkClick();
    void btnCancelClick();

    TWorkspace &m_ws;
    TMsgBox &m_box;

    QLabel *lbReceive;
    TFrequencyEdit *eReceive;
    QLabel *lbSend;
    TFrequencyEdit *eSend;
    QLabel *lbJg;
    QComboBox *cbJg;
    TChannelFields *m_fields;
    QRadioButton *rall;
    QRadioButton *rOne;
    QWidget *pPd;
    QLabel *lbFrom;
    TChannelSpinBox *seFrom;
    QLabel *lbTo;
    TChannelSpinBox *seTo;
    QRadioButton *rasc;
    QRadioButton *rdesc;
    QPushButton *btnOk;
    QPushButton *btnCancel;
};

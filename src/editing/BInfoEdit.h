#pragma once
// The channel edit dialog: one channel of the channel table at a time, in
// labelled fields. There is no Ok or Cancel: every accepted change goes
// straight into the table row of the channel shown (direct writes, Modified
// set), and "&Close" only closes. sexd chooses the channel; arriving at one
// loads its row.
//
// RX and TX are range checked when committed (Enter or leaving the field):
// outside the model limits the band limit on that side replaces the value
// (ErrRange), outside the band only a warning follows (OutRange); the value
// is cut onto the channel step. A text that is no number brings ErrRange and
// the field goes back to what the table holds, so nothing unreadable ever
// reaches the table. A typed tone is normalised when the selector commits
// and when the dialog closes.
//
// Components, in creation order: lbChannel, sexd, lbReceive, eReceive, the
// panel pMain holding lbSend, eSend and the shared channel fields, btnClose.

#include <QDialog>

class QGridLayout;
class QLabel;
class QPushButton;
class QWidget;
class TChannelFields;
class TChannelSpinBox;
class TFrequencyEdit;
class TMsgBox;
struct TWorkspace;

class TfBInfoEdit : public QDialog {
    Q_OBJECT
public:
    // objectName "fBInfoEdit".
    TfBInfoEdit(TWorkspace &ws, TMsgBox &box, QWidget *parent = nullptr);

    // The channel shown first (1 for channel 1); limited to the channels.
    void SetInitialChannel(int channel);
    // The highest channel sexd offers: the table's channel count.
    void SetChannelMaximum(int maximum);

    // Closing takes a tone or frequency still being typed first.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void LoadChannel();
    void ClearFields();
    void WriteBack();
    int Row() const;
    // The captions inside and outside pMain share one column width, so that
    // every field starts at the same place in either language.
    void AlignCaptions();

    // Handlers.
    void sexdChange();
    void eReceivePropertiesEditValueChanged();
    void eSendPropertiesEditValueChanged();
    void cbQTExit();
    void cbDQTExit();
    void cbQTDblClick();
    void cbDQTDblClick();
    void cbkzChange();
    void chsmtjClick();
    void chpppyClick();
    void chfmClick();
    void btnCloseClick();

    TWorkspace &m_ws;
    TMsgBox &m_box;
    bool m_loading = false;
    int m_initialChannel = 1;

    QLabel *lbChannel;
    TChannelSpinBox *sexd;
    QLabel *lbReceive;
    TFrequencyEdit *eReceive;
    QWidget *pMain;
    QLabel *lbSend;
    TFrequencyEdit *eSend;
    TChannelFields *m_fields;
    QPushButton *btnClose;
    QGridLayout *m_grid;
    QGridLayout *m_panel;
};

#pragma once
// The channel fields that the channel edit and the batch edit dialogs share:
// the decode and encode tone selectors (columns 4, 5), TX Power (6), W/N
// (7) and the check boxes Scan Add, Beat Shift and Busy Lockout (8 to 10),
// each with a hidden "Yes"/"No" list that holds its option index and item
// text: checked is item 0 ("Yes"), unchecked item 1 ("No").
//
// Components, in creation order, as the language files name them: lbQT,
// cbQT, lbDQT, cbDQT, lbkz, cbkz, lbfsgl, cbfsgl, chsmtj, chpppy, chfm and
// the hidden lists cbsmtj, cbpppy, cbfm.
//
// A row written from the fields gets, in columns 4 and 5, the table's none
// text for no tone (whatever item 0 of the dialog's own list says) and the
// normalised tone otherwise; in columns 6 to 10 the item text of the
// dialog's list with its index as hidden value.

#include <QObject>
#include <QString>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QWidget;
class TChannelStore;
class TToneSelector;

// Channel k sits in grid row k + 1, below the header row; a table of N
// channels has N + 2 rows.
constexpr int GridRowOfChannel(int channel)
{
    return channel + 1;
}
int ChannelCountOf(const TChannelStore &store);

class TChannelFields : public QObject {
    Q_OBJECT
public:
    // The fields become children of parent; decodeCaption is lbQT's
    // built-in caption.
    TChannelFields(const QString &decodeCaption, QWidget *parent);

    // Lays the captions and fields out in columns 0 and 1 from row on, the
    // check boxes in one row below them; returns the first row left free.
    int AddTo(QGridLayout *grid, int row);

    // Columns 4 to 10 of a row into the fields. An option index that is not
    // 0 or 1 shows as 0, as the table's readers take it.
    void LoadRow(const TChannelStore &store, int row);
    // The fields into columns 4 to 10 of a row (direct writes).
    void WriteRow(TChannelStore &store, int row) const;
    // No tones, "Wide", the three check boxes unchecked ("No"). TX Power
    // keeps its value, so a channel created next starts with the one shown.
    void Clear();
    // The hidden list of a check box follows the box.
    void SyncHidden(QCheckBox *box);

    QLabel *lbQT;
    TToneSelector *cbQT;
    QLabel *lbDQT;
    TToneSelector *cbDQT;
    QLabel *lbkz;
    QComboBox *cbkz;
    QLabel *lbfsgl;
    QComboBox *cbfsgl;
    QCheckBox *chsmtj;
    QCheckBox *chpppy;
    QCheckBox *chfm;
    QComboBox *cbsmtj;
    QComboBox *cbpppy;
    QComboBox *cbfm;

private:
    QComboBox *HiddenOf(const QCheckBox *box) const;
    void ShowOption(QCheckBox *box, int index);
};

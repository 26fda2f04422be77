#pragma once
// The tone picker: a CTCSS tone or a DCS code picked from a table instead of
// typed. A double click (or Enter) on a tone or code cell returns that text
// and closes the picker; closing it any other way returns an empty text,
// which every caller takes as no choice.

#include <QDialog>
#include <functional>

class QGroupBox;
class QListWidget;
class QRadioButton;
class QTableWidget;
struct TALL;

class TfToneOption : public QDialog {
    Q_OBJECT
public:
    // objectName "fToneOption". Translated (without lists) from the current
    // language file when shown, unless the language is the first one.
    explicit TfToneOption(const TALL &all, QWidget *parent = nullptr);

    // The picked tone ("127.3", "D023N", "D023I"), empty until one is picked.
    QString Result() const { return m_result; }

    // Shows the picker modally over parent and returns its result.
    static QString Pick(const TALL &all, QWidget *parent);
    // For tests: while a driver is set, Pick shows the picker without a modal
    // loop and hands it to the driver, which picks or closes; Pick then
    // returns the result. An empty function restores the modal picker.
    using TDriver = std::function<void(TfToneOption &)>;
    static void SetDriver(TDriver driver);

    // The tables by the tag of their radio button: 0 CTCSS, 1 DCS-N, 2 DCS-I.
    QTableWidget *Table(int tag) const;
    // The group that holds the tables; its title names the table shown.
    QGroupBox *ListGroup() const { return gbList; }
    QRadioButton *Choice(int tag) const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();
    void BuildToneGrids();
    void rCTCSSClick(const QObject *sender);
    // The picking rule of all three tables: only the tone and code columns
    // (their row-1 cell carries the hidden value "1") pick, an empty one of
    // them with an empty result.
    void gvDblClick(QTableWidget *grid);

    const TALL &m_all;
    QString m_result;
    QGroupBox *GroupBox1;
    QRadioButton *rCTCSS;
    QRadioButton *rDCSN;
    QRadioButton *rDCSI;
    QListWidget *lbSel;
    QGroupBox *gbList;
    QTableWidget *gvCtcss;
    QTableWidget *gvDcsN;
    QTableWidget *gvDcsI;
    QListWidget *lbValue;
};

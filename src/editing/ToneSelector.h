#pragma once
// The tone selector of the channel dialogs: an editable list holding the
// tone list (item 0 the none text, the only item a language file
// translates: Tag -3). The user picks a listed tone or types one; only the
// tone keys get through. A pick is reported at once; a typed text when it is
// committed (Enter, the focus leaving for another field, or the window
// calling Commit as it closes) and differs from the text last reported. A
// double click on the field is reported for the tone picker.

#include <QComboBox>

struct TALL;

class TToneSelector : public QComboBox {
    Q_OBJECT
public:
    explicit TToneSelector(const char *name, QWidget *parent = nullptr);

    // Item 0 shown: an empty text, item 0 itself or the table's none text.
    bool IsNone(const QString &noneText) const;
    // The exit rule: a blank text or the none text goes to item 0; any other
    // text becomes CheckToneText of itself, blanks removed. Reports nothing.
    void Normalise(const QString &noneText);
    // What the field puts into a tone cell: noneText for no tone, the cell's
    // own text while the field still shows it as ShowCell put it, otherwise
    // the normalised tone, so that a text still being typed never reaches
    // the table as it is.
    QString CellText(const QString &noneText) const;
    // Shows a tone cell: the none text (or an empty cell) as item 0, any
    // other text as it is. Reports nothing.
    void ShowCell(const QString &cellText, const QString &noneText);
    // Puts text into the field (a picked tone) without reporting it.
    void SetTyped(const QString &text);
    // Opens the tone picker over parent; a tone picked becomes the field's
    // text (not reported) and true is returned. Closed without a pick: false,
    // the field as it was.
    bool PickTone(const TALL &all, QWidget *parent);
    // Reports a typed text that has not been reported yet.
    void Commit();

signals:
    void ValueChanged();
    void DoubleClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Show(int index, const QString &text);

    QString m_reported;  // the text the window has seen
    QString m_shownCell; // the tone cell ShowCell showed, empty for none
};

#pragma once
// The channel table window: the grid over the channel store, the selectors
// laid over the current cell, the key filters and the tone picker on double
// click. An MDI child of the main window, created once; closing it only
// minimises it.
//
// (Contract for the main window; the owner of this file may add to it.)
//
// Components, in creation order: the hidden list BColText (column titles,
// widths and alignment codes, translated like any list), the hidden label
// lNone (the none text, kept equal to item 0 of cbQT), the grid gvData
// (Tag -2) and the selectors cbfsgl, cbDQT, cbQT (both Tag -3), cbHave, cbkz.

#include "editing/ChannelTexts.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QTableView;
class TChannelGrid;
class TChannelSelectors;
class TMsgBox;
struct TWorkspace;

class TfChInfo : public QWidget {
    Q_OBJECT
public:
    // objectName "fChInfo". Uses ws.Channels as its model and box for the
    // range messages.
    TfChInfo(TWorkspace &ws, TMsgBox &box, QWidget *parent = nullptr);
    ~TfChInfo() override;

    QTableView *Grid() const;          // gvData
    TChannelGrid *ChannelGrid() const; // gvData with its grid coordinates
    QString NoneText() const;          // caption of lNone
    // Grid row of the current cell (2 for channel 1), 2 when none.
    int CurrentGridRow() const;

    // Ends in-place editing (committing what was typed) and hides the five
    // selectors: every command of the main window does this first.
    void HideSelectors();
    // Empties the table for the current model (ResetRows). When the row
    // count changes the rows are rebuilt and the window is made no taller
    // than 30 pixels a channel.
    void ResetRows();
    // After a language change: translates the window with lists and re-maps
    // the table's texts.
    void RefreshLanguage();

    // The selector of a grid column (cbQT for 4, cbDQT 5, cbfsgl 6, cbkz 7,
    // cbHave 8 to 10); none for columns 1 to 3.
    QComboBox *Selector(int col) const;
    // The selector shown over the current cell, or none.
    QComboBox *ShownSelector() const;
    // The item lists of the selectors and the none text, as the store uses them.
    TChannelTexts ListTexts() const;

    // Width of the columns plus 30, and the height the rows left it.
    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormShow();
    void BuildColumns();
    void gvDataSelectCell(int col, int row);
    void gvDataMouseDown();
    QStringList ColumnDefinitions() const; // the entries of BColText
    QString LanguageFile() const;
    void SetWindowSize(const QSize &size);

    TWorkspace &m_ws;
    QListWidget *BColText;
    QLabel *lNone;
    TChannelGrid *gvData;
    TChannelSelectors *m_selectors;
    QSize m_size;
    bool m_formShown = false;
};

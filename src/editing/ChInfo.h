#pragma once
// The channel table window: the grid over the channel store, the selectors
// laid over the current cell, the key filters and the tone picker on double
// click. An MDI child of the main window, created once.
//
// (Contract for the main window; the owner of this file may add to it.)

#include <QWidget>

class QTableView;
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
    QString NoneText() const;          // caption of lNone
    // Grid row of the current cell (2 for channel 1), 2 when none.
    int CurrentGridRow() const;

    // Ends in-place editing (committing what was typed) and hides the five
    // selectors: every command of the main window does this first.
    void HideSelectors();
    // Empties the table for the current model (ResetRows).
    void ResetRows();
    // After a language change: translates the window with lists and re-maps
    // the table's texts.
    void RefreshLanguage();
};

#pragma once
// The main window's client area: the MDI area with the background pattern
// and the arrangements of the (hidden) Window menu. Children added as
// permanent are never destroyed by closing them: they are minimised.

#include <QMdiArea>

class TMainMdiArea : public QMdiArea {
    Q_OBJECT
public:
    explicit TMainMdiArea(QWidget *parent = nullptr);

    // Tiles the background with the picture "PIC" (200 x 150).
    void LoadBackground();
    // Wraps widget in a sub-window that minimises instead of closing.
    QMdiSubWindow *AddPermanentChild(QWidget *widget);

    // Children one above the other, full width.
    void TileHorizontally();
    // Children side by side, full height.
    void TileVertically();
    // Minimised children in a row along the bottom edge.
    void ArrangeIcons();
    // Closes every child, from the last to the first.
    void CloseAll();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The background tile, rendered from the program's resources.
QPixmap BackgroundTile();

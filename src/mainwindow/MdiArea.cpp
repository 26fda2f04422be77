#include "mainwindow/MdiArea.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {
constexpr QSize TileSize{200, 150};
constexpr char PictureResource[] = ":/mainwindow/icons/background.svg";

QList<QMdiSubWindow *> ShownChildren(const QMdiArea &area)
{
    QList<QMdiSubWindow *> shown;
    for (QMdiSubWindow *child : area.subWindowList())
        if (child->isVisible() && !child->isMinimized())
            shown.append(child);
    return shown;
}
} // namespace

QPixmap BackgroundTile()
{
    QPixmap tile(TileSize);
    tile.fill(Qt::white);
    QSvgRenderer renderer{QString::fromLatin1(PictureResource)};
    QPainter painter(&tile);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(TileSize)));
    return tile;
}

TMainMdiArea::TMainMdiArea(QWidget *parent) : QMdiArea(parent)
{
    setObjectName(QStringLiteral("MdiArea"));
}

void TMainMdiArea::LoadBackground()
{
    setBackground(QBrush(BackgroundTile()));
}

QMdiSubWindow *TMainMdiArea::AddPermanentChild(QWidget *widget)
{
    QMdiSubWindow *child = addSubWindow(widget);
    child->setAttribute(Qt::WA_DeleteOnClose, false);
    // The child's system menu closes it with the platform's Close keys,
    // Ctrl+W among them: the same key as Write To Radio, which then would
    // do nothing at all while the channel table has the focus.
    if (QMenu *menu = child->systemMenu())
        for (QAction *action : menu->actions())
            action->setShortcuts({});
    child->installEventFilter(this);
    return child;
}

bool TMainMdiArea::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close) {
        if (auto *child = qobject_cast<QMdiSubWindow *>(watched)) {
            event->ignore();
            child->showMinimized();
            return true;
        }
    }
    return QMdiArea::eventFilter(watched, event);
}

void TMainMdiArea::TileHorizontally()
{
    const QList<QMdiSubWindow *> children = ShownChildren(*this);
    if (children.isEmpty())
        return;
    const QRect area = viewport()->rect();
    const int height = area.height() / int(children.size());
    for (int i = 0; i < children.size(); ++i)
        children[i]->setGeometry(0, i * height, area.width(), height);
}

void TMainMdiArea::TileVertically()
{
    const QList<QMdiSubWindow *> children = ShownChildren(*this);
    if (children.isEmpty())
        return;
    const QRect area = viewport()->rect();
    const int width = area.width() / int(children.size());
    for (int i = 0; i < children.size(); ++i)
        children[i]->setGeometry(i * width, 0, width, area.height());
}

void TMainMdiArea::ArrangeIcons()
{
    int x = 0;
    const int bottom = viewport()->rect().bottom();
    for (QMdiSubWindow *child : subWindowList()) {
        if (!child->isMinimized())
            continue;
        const QSize size = child->size();
        child->move(x, bottom - size.height() + 1);
        x += size.width();
    }
}

void TMainMdiArea::CloseAll()
{
    const QList<QMdiSubWindow *> children = subWindowList(QMdiArea::CreationOrder);
    for (auto it = children.crbegin(); it != children.crend(); ++it)
        (*it)->close();
}

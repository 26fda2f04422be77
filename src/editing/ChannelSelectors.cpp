#include "editing/ChannelSelectors.h"

#include "core/AppState.h"
#include "editing/ChannelGrid.h"
#include "editing/ChannelStore.h"
#include "editing/KeyFilters.h"
#include "editing/ToneOption.h"
#include "image/ValueFormats.h"
#include "localisation/Translate.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

namespace {

using Col = TChannelStore::Column;

constexpr int kToneSelectorTag = -3; // only item 0, the none text, is translated

int ValidIndex(const QString &hidden, int count)
{
    bool ok = false;
    const int index = hidden.trimmed().toInt(&ok);
    return ok && index >= 0 && index < count ? index : 0;
}

} // namespace

TChannelSelectors::TChannelSelectors(TALL &all, TChannelGrid &grid)
    : QObject(&grid), m_all(all), m_grid(grid)
{
    cbfsgl = NewSelector("cbfsgl", false);
    cbfsgl->addItems({QStringLiteral("Low"), QStringLiteral("High")});
    cbfsgl->setCurrentIndex(1);
    cbDQT = NewSelector("cbDQT", true);
    cbQT = NewSelector("cbQT", true);
    cbHave = NewSelector("cbHave", false);
    cbHave->addItems({QStringLiteral("Yes"), QStringLiteral("No")});
    cbkz = NewSelector("cbkz", false);
    cbkz->addItems({QStringLiteral("Wide"), QStringLiteral("Narrow")});
    for (QComboBox *tone : {cbDQT, cbQT}) {
        tone->addItems(ToneList(QStringLiteral("None")));
        tone->setCurrentIndex(0);
    }

    // A selector is laid over its cell; once the cell moves it is closed.
    const auto close = [this] { Hide(true); };
    connect(grid.verticalScrollBar(), &QScrollBar::valueChanged, this, close);
    connect(grid.horizontalScrollBar(), &QScrollBar::valueChanged, this, close);
    connect(grid.horizontalHeader(), &QHeaderView::sectionResized, this, close);
    // Rows rebuilt under a shown selector: the cell it was opened on is gone.
    connect(&grid.Store(), &QAbstractItemModel::modelAboutToBeReset, this, [this] { Hide(false); });
}

QComboBox *TChannelSelectors::NewSelector(const char *name, bool tone)
{
    auto *box = new QComboBox(m_grid.viewport());
    box->setObjectName(QLatin1String(name));
    box->hide();
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(this);
    if (tone) {
        SetTag(box, kToneSelectorTag);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        // Typed tones are normalised as typed, not completed from the list.
        box->setCompleter(nullptr);
        box->setMaxVisibleItems(20);
        box->lineEdit()->installEventFilter(this);
    }
    connect(box, &QComboBox::currentIndexChanged, this, [this, box] { ComBoxSetData(box); });
    return box;
}

QComboBox *TChannelSelectors::ForColumn(int col) const
{
    switch (col) {
    case Col::ColDec:
        return cbQT;
    case Col::ColEnc:
        return cbDQT;
    case Col::ColPower:
        return cbfsgl;
    case Col::ColWideNarrow:
        return cbkz;
    case Col::ColScanAdd:
    case Col::ColBeatShift:
    case Col::ColBusyLockout:
        return cbHave;
    default:
        return nullptr;
    }
}

void TChannelSelectors::ShowFor(int col, int row)
{
    QComboBox *box = ForColumn(col);
    if (box && box == m_shown && col == m_col && row == m_row) {
        box->setFocus(Qt::OtherFocusReason);
        return;
    }
    Hide(true);
    const TChannelStore &store = m_grid.Store();
    if (!box || store.Text(Col::ColRx, row).trimmed().isEmpty())
        return;
    if (col == Col::ColEnc && store.Text(Col::ColTx, row).trimmed().isEmpty())
        return;

    m_col = col;
    m_row = row;
    m_openText = store.Text(col, row);
    m_openHidden = store.Hidden(col, row);
    {
        const QSignalBlocker quiet(box); // showing a value is no change of it
        if (IsTone(box)) {
            box->setCurrentIndex(box->findText(m_openText));
            box->setEditText(m_openText);
        } else {
            box->setCurrentIndex(ValidIndex(m_openHidden, box->count()));
        }
    }
    m_syncedText = box->currentText();

    const QRect cell = m_grid.CellRect(col, row);
    // Exactly over the cell, its grid line included: a taller selector would
    // hide half of the row below while it is open.
    box->setGeometry(cell.left(), cell.top(), m_grid.GridColumnWidth(col), cell.height() + 1);
    m_shown = box;
    box->show();
    box->raise();
    box->setFocus(Qt::OtherFocusReason);
    if (IsTone(box))
        box->lineEdit()->selectAll();
    if (QApplication::mouseButtons() != Qt::NoButton)
        m_openedByMouse.start();
    else
        m_openedByMouse.invalidate();
}

void TChannelSelectors::Hide(bool commit)
{
    QComboBox *box = m_shown;
    if (!box)
        return;
    if (commit)
        CommitTyped();
    m_shown = nullptr; // the focus leaving it now is no exit of the user's
    const QWidget *focus = QApplication::focusWidget();
    // The grid takes the focus before the selector hides: a focused widget
    // that hides passes the focus on like Tab, which would move the grid's
    // current cell.
    if (focus && (focus == box || box->isAncestorOf(focus)))
        m_grid.setFocus(Qt::OtherFocusReason);
    box->hidePopup();
    box->hide();
}

void TChannelSelectors::CommitTyped()
{
    if (m_shown && IsTone(m_shown) && m_shown->currentText() != m_syncedText)
        ComBoxSetData(m_shown);
}

QComboBox *TChannelSelectors::SelectorOf(QObject *watched) const
{
    for (QComboBox *box : {cbQT, cbDQT, cbfsgl, cbkz, cbHave}) {
        if (box && (watched == box || (box->lineEdit() && watched == box->lineEdit())))
            return box;
    }
    return nullptr;
}

bool TChannelSelectors::eventFilter(QObject *watched, QEvent *event)
{
    QComboBox *box = SelectorOf(watched);
    if (!box)
        return QObject::eventFilter(watched, event);
    const bool onLine = watched != box;
    switch (event->type()) {
    case QEvent::KeyPress:
        return !onLine && KeyPress(box, static_cast<QKeyEvent *>(event));
    case QEvent::FocusOut: {
        // The list popping up and another window coming to the front (the
        // tone picker, a message) take the focus only for a while.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (!onLine && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            ComBoxExit(box);
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (onLine) {
            ComBoxDblClick(box);
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
        // The first click of a double click on a tone cell opened the
        // selector; the second one lands on the selector.
        if (onLine && m_openedByMouse.isValid() &&
            m_openedByMouse.elapsed() < QApplication::doubleClickInterval()) {
            m_openedByMouse.invalidate();
            ComBoxDblClick(box);
            return true;
        }
        break;
    case QEvent::Wheel:
        // Turning the wheel over a selector scrolls the table rather than
        // changing a value unseen.
        if (!onLine && !box->view()->isVisible()) {
            QCoreApplication::sendEvent(m_grid.viewport(), event);
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool TChannelSelectors::KeyPress(QComboBox *box, QKeyEvent *event)
{
    if (box != m_shown)
        return false;
    if (IsTone(box) && RefusesKey(*event, IsToneKey))
        return true;
    const bool plain = !(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        CommitTyped();
        Hide(false);
        m_grid.setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Escape:
        Cancel();
        return true;
    case Qt::Key_Tab:
        Leave(box, TChannelGrid::Move::Next);
        return true;
    case Qt::Key_Backtab:
        Leave(box, TChannelGrid::Move::Previous);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!plain)
            return false; // Alt+Down opens the list
        Leave(box, event->key() == Qt::Key_Up ? TChannelGrid::Move::Up
                                              : TChannelGrid::Move::Down);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        if (!plain)
            return false;
        const bool left = event->key() == Qt::Key_Left;
        if (const QLineEdit *line = box->lineEdit()) {
            const bool atEdge = !line->hasSelectedText() &&
                                line->cursorPosition() == (left ? 0 : line->text().size());
            if (!atEdge)
                return false;
        }
        Leave(box, left ? TChannelGrid::Move::Left : TChannelGrid::Move::Right);
        return true;
    }
    default:
        return false;
    }
}

void TChannelSelectors::Leave(QComboBox *box, TChannelGrid::Move move)
{
    if (box != m_shown)
        return;
    CommitTyped();
    Hide(false);
    m_grid.setFocus(Qt::OtherFocusReason);
    m_grid.MoveCurrent(move);
}

void TChannelSelectors::Cancel()
{
    if (!m_shown)
        return;
    TChannelStore &store = m_grid.Store();
    store.SetText(m_col, m_row, m_openText);
    store.SetHidden(m_col, m_row, m_openHidden);
    Hide(false);
    m_grid.setFocus(Qt::OtherFocusReason);
}

void TChannelSelectors::ComBoxSetData(QComboBox *box)
{
    if (m_all.Refreshing || box != m_shown)
        return;
    TChannelStore &store = m_grid.Store();
    if (store.Text(Col::ColRx, m_row).trimmed().isEmpty()) {
        // The row was emptied behind the selector's back (ResetRows called
        // on the store alone): a value written now would half-fill it.
        Hide(false);
        return;
    }
    QString t = box->currentText();
    if (IsTone(box)) {
        // Item 0 is the none text even where a language file names it
        // differently in the two tone selectors.
        const QString typed = t.trimmed();
        t = typed.isEmpty() || typed == store.Texts().None || typed == box->itemText(0)
                ? store.Texts().None
                : CheckToneText(typed);
    } else {
        if (box->currentIndex() < 0)
            return;
        store.SetHidden(m_col, m_row, QString::number(box->currentIndex()));
    }
    store.SetText(m_col, m_row, t);
    m_all.Modified = true;
    if (IsTone(box) && box->currentText() != t) {
        const QSignalBlocker quiet(box);
        box->setEditText(t);
    }
    m_syncedText = box->currentText();
}

void TChannelSelectors::ComBoxExit(QComboBox *box)
{
    if (box == m_shown)
        Hide(true);
}

void TChannelSelectors::ComBoxDblClick(QComboBox *box)
{
    if (!IsTone(box) || box != m_shown)
        return;
    const int col = m_col, row = m_row;
    const QString picked = TfToneOption::Pick(m_all, m_grid.window());
    if (picked.isEmpty())
        return;
    TChannelStore &store = m_grid.Store();
    store.SetText(col, row, picked);
    if (box == m_shown && col == m_col && row == m_row) {
        {
            const QSignalBlocker quiet(box);
            box->setEditText(picked);
        }
        ComBoxSetData(box);
        box->setFocus(Qt::OtherFocusReason);
    } else {
        // The selector closed meanwhile; the pick still reaches its cell.
        store.SetText(col, row, CheckToneText(picked));
        m_all.Modified = true;
    }
}

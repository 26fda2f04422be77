#include "editing/ChInfo.h"

#include "core/Workspace.h"
#include "editing/ChannelGrid.h"
#include "editing/ChannelSelectors.h"
#include "localisation/Messages.h"
#include "localisation/Translate.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QScopeGuard>
#include <QVBoxLayout>

namespace {

using Col = TChannelStore::Column;

constexpr int kExtraWidth = 30;      // the window is this much wider than its columns
constexpr int kHeightPerChannel = 30; // and no taller than this per channel
constexpr int kInitialHeight = 520;

QStringList Items(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

} // namespace

TfChInfo::TfChInfo(TWorkspace &ws, TMsgBox &box, QWidget *parent)
    : QWidget(parent), m_ws(ws)
{
    setObjectName(QStringLiteral("fChInfo"));
    setWindowTitle(QStringLiteral("Channel Information"));

    BColText = new QListWidget(this);
    BColText->setObjectName(QStringLiteral("BColText"));
    BColText->addItems(BuiltInColumnDefinitions());
    BColText->hide();
    lNone = new QLabel(QStringLiteral("None"), this);
    lNone->setObjectName(QStringLiteral("lNone"));
    lNone->hide();
    gvData = new TChannelGrid(ws.Channels, this);
    m_selectors = new TChannelSelectors(ws.All, *gvData);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gvData);

    ws.Channels.SetMessageBox(&box, &ws.Language);
    connect(gvData, &TChannelGrid::CellSelected, this, &TfChInfo::gvDataSelectCell);
    connect(gvData, &TChannelGrid::CellPressed, this, &TfChInfo::gvDataMouseDown);

    const QStringList definitions = ColumnDefinitions();
    int width = kExtraWidth;
    for (int c = 0; c < Col::ColBusyLockout; ++c)
        width += definitions.value(Col::ColBusyLockout + c).toInt();
    m_size = QSize(width, kInitialHeight);
    resize(m_size);
}

TfChInfo::~TfChInfo()
{
    m_ws.Channels.SetMessageBox(nullptr, nullptr);
    // The selectors' filter watches the five lists, which go with the grid's
    // viewport before the filter itself would: it goes first, so that no
    // event of a list being destroyed reaches it.
    delete m_selectors;
    m_selectors = nullptr;
}

QTableView *TfChInfo::Grid() const
{
    return gvData;
}

TChannelGrid *TfChInfo::ChannelGrid() const
{
    return gvData;
}

QString TfChInfo::NoneText() const
{
    return lNone->text();
}

int TfChInfo::CurrentGridRow() const
{
    const int row = gvData->CurrentRow();
    return row >= 2 ? row : 2;
}

QComboBox *TfChInfo::Selector(int col) const
{
    return m_selectors->ForColumn(col);
}

QComboBox *TfChInfo::ShownSelector() const
{
    return m_selectors->Shown();
}

TChannelTexts TfChInfo::ListTexts() const
{
    TChannelTexts texts;
    texts.None = m_selectors->cbQT->itemText(0);
    texts.Power = Items(m_selectors->cbfsgl);
    texts.WideNarrow = Items(m_selectors->cbkz);
    texts.YesNo = Items(m_selectors->cbHave);
    return texts;
}

QStringList TfChInfo::ColumnDefinitions() const
{
    QStringList entries;
    for (int i = 0; i < BColText->count(); ++i)
        entries.append(BColText->item(i)->text());
    return entries;
}

QString TfChInfo::LanguageFile() const
{
    return LanguageFilePath(m_ws.All.AppFolder, m_ws.All.LanguageName);
}

QSize TfChInfo::sizeHint() const
{
    return m_size;
}

void TfChInfo::HideSelectors()
{
    gvData->CloseEditor(true);
    m_selectors->Hide(true);
}

void TfChInfo::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_formShown) {
        m_formShown = true;
        FormShow();
    }
}

void TfChInfo::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->showMinimized();
    else
        showMinimized();
}

void TfChInfo::FormShow()
{
    if (m_ws.All.LanguageIndex > 0)
        TranslateWindow(this, LanguageFile(), true);
    lNone->setText(m_selectors->cbQT->itemText(0));
    m_ws.Channels.SetColumnDefinitions(ColumnDefinitions());
    m_ws.Channels.SetTexts(ListTexts());
    BuildColumns();
}

void TfChInfo::BuildColumns()
{
    const QStringList entries = ColumnDefinitions();
    const QStringList builtIn = BuiltInColumnDefinitions();
    const int n = std::min<int>(int(entries.size() / 3), Col::ColBusyLockout);
    gvData->setUpdatesEnabled(false);
    int width = 0;
    for (int c = 1; c <= n; ++c) {
        // A width that does not read as a positive number would hide the
        // column for good; the built-in width serves instead.
        int columnWidth = entries.value(n + c - 1).trimmed().toInt();
        if (columnWidth <= 0)
            columnWidth = builtIn.value(Col::ColBusyLockout + c - 1).toInt();
        gvData->SetGridColumnWidth(c, columnWidth);
        width += columnWidth;
    }
    gvData->setUpdatesEnabled(true);
    m_size.setWidth(width + kExtraWidth);
    SetWindowSize(m_size);

    // The alignment codes, translated or not, take effect when the rows are
    // built: the first showing builds them afresh, which leaves them empty
    // as ResetRows would.
    const int channels = m_ws.All.ChannelCount;
    m_ws.All.ChannelCount = -1;
    m_ws.Channels.ResetRows();
    m_ws.All.ChannelCount = channels;
    ResetRows();
}

void TfChInfo::ResetRows()
{
    HideSelectors();
    const int channels = std::max(0, m_ws.All.ChannelCount);
    const bool rebuild = m_ws.Channels.RowCount() != channels + 2;
    m_ws.Channels.ResetRows();
    if (rebuild && kHeightPerChannel * channels < m_size.height()) {
        m_size.setHeight(kHeightPerChannel * channels);
        SetWindowSize(m_size);
    }
}

void TfChInfo::RefreshLanguage()
{
    HideSelectors();
    m_ws.All.Refreshing = true;
    const auto done = qScopeGuard([this] { m_ws.All.Refreshing = false; });
    TranslateWindow(this, LanguageFile(), true);
    // Titles only: widths and alignments stay as the user has them.
    m_ws.Channels.SetColumnDefinitions(ColumnDefinitions());
    m_ws.Channels.SetTexts(ListTexts());
    lNone->setText(m_selectors->cbQT->itemText(0));
}

void TfChInfo::gvDataSelectCell(int col, int row)
{
    m_selectors->ShowFor(col, row);
}

void TfChInfo::gvDataMouseDown()
{
    const int col = gvData->CurrentCol();
    const int row = gvData->CurrentRow();
    if (col == Col::ColRx)
        gvData->OpenEditor();
    else if (col == Col::ColTx) {
        if (!m_ws.Channels.Text(Col::ColRx, row).trimmed().isEmpty())
            gvData->OpenEditor();
    } else {
        m_selectors->ShowFor(col, row);
    }
}

void TfChInfo::SetWindowSize(const QSize &size)
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        if (frame->isMinimized() || frame->isMaximized())
            return;
        frame->resize(size + (frame->size() - this->size()));
    } else if (isWindow()) {
        resize(size);
    }
}

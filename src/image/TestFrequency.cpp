#include "image/TestFrequency.h"

#include "core/Workspace.h"
#include "image/FrequencyRange.h"
#include "image/TestFrequencyCells.h"
#include "image/ValueFormats.h"
#include "localisation/FormParts.h"
#include "localisation/Messages.h"
#include "localisation/MsgBox.h"
#include "localisation/Translate.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int PairCount = 16;
constexpr int TitleColumn = 0; // hidden, as in every grid
constexpr int NumberColumn = 1;
constexpr int RxColumn = 2;
constexpr int TxColumn = 3;
constexpr int ColumnCount = 4;
constexpr int RowHeight = 22;
constexpr int ColumnWidths[ColumnCount] = {0, 60, 100, 100};

constexpr Qt::WindowFlags DialogFlags = FixedDialogFlags | Qt::WindowMinimizeButtonHint;

int PairOfRow(int row)
{
    return row + 1;
}

QTableWidgetItem *NumberItem(int pair, const QPalette &palette)
{
    auto *item = new QTableWidgetItem(QString::number(pair));
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignCenter);
    item->setBackground(palette.brush(QPalette::Button));
    return item;
}

QTableWidgetItem *FrequencyItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

TfTestFrequency::TfTestFrequency(TWorkspace &ws, TMsgBox &box, QWidget *parent)
    : QDialog(parent, DialogFlags),
      m_ws(ws),
      m_box(box)
{
    setObjectName(QStringLiteral("fTestFrequency"));
    setWindowTitle(QStringLiteral("Test Frequency"));

    gvData = new QTableWidget(PairCount, ColumnCount, this);
    gvData->setObjectName(QStringLiteral("gvData"));
    m_cells = new TTestFrequencyCells(
        [this](const QModelIndex &index, const QString &text) { gvDataSetForeText(index, text); },
        gvData);
    gvData->setItemDelegate(m_cells);
    BuildGrid();

    // Never shown: its caption is the closing message, translatable.
    Label1 = new QLabel(
        QStringLiteral("Test Frequency mismatch.#10#13Execute read data from radio or write to radio."),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->hide();

    auto *column = new QVBoxLayout(this);
    column->addWidget(gvData);
    column->addLayout(NewOkCancelRow(btnOk, btnCancel, this));
    column->setSizeConstraint(QLayout::SetFixedSize);
    // Enter belongs to the grid's editor, not to Ok.
    btnOk->setDefault(false);
    btnOk->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    connect(btnOk, &QPushButton::clicked, this, &TfTestFrequency::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfTestFrequency::btnCancelClick);
}

void TfTestFrequency::BuildGrid()
{
    gvData->verticalHeader()->hide();
    gvData->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gvData->verticalHeader()->setDefaultSectionSize(RowHeight);
    gvData->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    gvData->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    gvData->setContextMenuPolicy(Qt::NoContextMenu);
    gvData->setDragEnabled(false);
    gvData->setSelectionMode(QAbstractItemView::SingleSelection);
    gvData->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    gvData->setHorizontalHeaderLabels(
        {QString(), QStringLiteral("信道"), QStringLiteral("接收[MHz]"), QStringLiteral("发射[MHz]")});
    for (int col = 0; col < ColumnCount; ++col)
        gvData->setColumnWidth(col, ColumnWidths[col]);
    gvData->setColumnHidden(TitleColumn, true);
    for (int row = 0; row < PairCount; ++row) {
        gvData->setItem(row, NumberColumn, NumberItem(PairOfRow(row), palette()));
        gvData->setItem(row, RxColumn, FrequencyItem(QString()));
        gvData->setItem(row, TxColumn, FrequencyItem(QString()));
    }

    int width = 2 * gvData->frameWidth();
    for (int col = NumberColumn; col < ColumnCount; ++col)
        width += ColumnWidths[col];
    const int height =
        2 * gvData->frameWidth() + gvData->horizontalHeader()->sizeHint().height() + PairCount * RowHeight;
    gvData->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    gvData->setFixedSize(width, height);
}

void TfTestFrequency::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TfTestFrequency::FormShow()
{
    BuildGrid();
    const TALL &all = m_ws.All;
    if (all.LanguageIndex > 0)
        TranslateWindow(this, LanguageFilePath(all.AppFolder, all.LanguageName), true);
    for (int row = 0; row < PairCount; ++row) {
        const int pair = PairOfRow(row);
        gvData->item(row, RxColumn)->setText(m_ws.TestFre.RxFreq[pair]);
        gvData->item(row, TxColumn)->setText(m_ws.TestFre.TxFreq[pair]);
    }
    gvData->setCurrentCell(0, RxColumn);
    m_edited = false;
}

void TfTestFrequency::gvDataSetForeText(const QModelIndex &index, const QString &text)
{
    QTableWidgetItem *cell = gvData->item(index.row(), index.column());
    if (!cell)
        return;
    if (text.trimmed().isEmpty()) {
        cell->setText(QString());
        m_edited = true;
        return;
    }
    const std::optional<double> typed = ParseFrequency(text);
    if (!typed)
        return; // the editor lets no such text through
    const TRangeResult checked = CheckFrequencyRange(*typed, TFrequencyLimits::Of(m_ws.All));
    cell->setText(FrequencyText(checked.value));
    m_edited = true;
    ShowRangeMessage(checked.verdict, m_ws.Language, m_box);
}

void TfTestFrequency::btnOkClick()
{
    m_cells->CommitOpenEditor();
    for (int row = 0; row < PairCount; ++row) {
        const int pair = PairOfRow(row);
        m_ws.TestFre.RxFreq[pair] = gvData->item(row, RxColumn)->text();
        m_ws.TestFre.TxFreq[pair] = gvData->item(row, TxColumn)->text();
    }
    accept();
}

void TfTestFrequency::btnCancelClick()
{
    reject();
}

void TfTestFrequency::done(int result)
{
    m_cells->DropOpenEditor(); // Ok has committed it already
    FormCloseQuery();
    QDialog::done(result);
}

void TfTestFrequency::FormCloseQuery()
{
    if (!m_edited)
        return;
    m_edited = false; // once per close
    m_box.MsgBox(m_ws.Language.Confirmation, Label1->text(), MsgInformation);
}

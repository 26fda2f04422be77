#include "editing/ToneOption.h"

#include "core/AppState.h"
#include "editing/ToneTables.h"
#include "localisation/FormParts.h"
#include "localisation/Messages.h"
#include "localisation/Translate.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kHiddenRole = Qt::UserRole + 1;
const QString kPickable = QStringLiteral("1");

// One table's shape, in grid terms: the grid component's title row and
// column (row 0, column 0) do not exist here, so grid column c is table
// column c - 1 and grid row r is table row r - 1.
struct TTableShape {
    int groups;
    int rows;
    int rowHeight;
    int firstEntry; // index into lbValue
};
constexpr TTableShape kCtcssShape{5, 9, 24, 0};
constexpr TTableShape kDcsShape{8, 11, 20, ToneTable::CtcssEntries};

constexpr int kCtcssNumberWidth = 32, kCtcssToneWidth = 43, kCtcssCodeWidth = 32;
constexpr int kDcsNumberWidth = 25, kDcsCodeWidth = 43;
const QColor kCtcssNumberColour(249, 141, 227);
const QColor kCtcssCodeColour(225, 249, 112);
const QColor kDcsNumberColour(47, 231, 220);
const QColor kPickColour(Qt::white);

QTableWidget *NewToneGrid(const QString &name, QWidget *parent)
{
    auto *grid = new QTableWidget(parent);
    grid->setObjectName(name);
    SetTag(grid, -2); // the tables take no part in the translation
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->setShowGrid(true);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setContextMenuPolicy(Qt::NoContextMenu);
    grid->setDragEnabled(false);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return grid;
}

void SetCell(QTableWidget *grid, int row, int col, const QString &text, const QColor &background,
             bool bold)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignCenter);
    item->setBackground(background);
    item->setForeground(QColor(Qt::black)); // the backgrounds are light in every theme
    QFont font = grid->font();
    font.setBold(bold);
    item->setFont(font);
    grid->setItem(row, col, item);
}

void Shape(QTableWidget *grid, const TTableShape &shape, const QList<int> &widths)
{
    grid->setRowCount(shape.rows);
    grid->setColumnCount(shape.groups * int(widths.size()));
    grid->verticalHeader()->setDefaultSectionSize(shape.rowHeight);
    for (int col = 0; col < grid->columnCount(); ++col)
        grid->setColumnWidth(col, widths[col % widths.size()]);
}

// The widths are those of the original small system font; a column whose
// texts are wider in the font of this system grows to fit them, all the
// columns of one role alike.
void FitColumns(QTableWidget *grid, int roles)
{
    constexpr int kMargin = 8;
    for (int role = 0; role < roles; ++role) {
        int width = grid->columnWidth(role);
        for (int col = role; col < grid->columnCount(); col += roles) {
            for (int row = 0; row < grid->rowCount(); ++row) {
                const QTableWidgetItem *item = grid->item(row, col);
                if (item && !item->text().isEmpty())
                    width = std::max(width, QFontMetrics(item->font()).horizontalAdvance(item->text()) + kMargin);
            }
        }
        for (int col = role; col < grid->columnCount(); col += roles)
            grid->setColumnWidth(col, width);
    }
}

QSize ContentSize(const QTableWidget *grid)
{
    int width = 0, height = 0;
    for (int col = 0; col < grid->columnCount(); ++col)
        width += grid->columnWidth(col);
    for (int row = 0; row < grid->rowCount(); ++row)
        height += grid->rowHeight(row);
    const int frame = 2 * grid->frameWidth();
    return {width + frame, height + frame};
}

TfToneOption::TDriver &Driver()
{
    static TfToneOption::TDriver driver;
    return driver;
}

} // namespace

TfToneOption::TfToneOption(const TALL &all, QWidget *parent)
    : QDialog(parent, FixedDialogFlags),
      m_all(all)
{
    setObjectName(QStringLiteral("fToneOption"));
    setWindowTitle(QStringLiteral("Channel Tone Option"));

    GroupBox1 = new QGroupBox(QStringLiteral("Channel Voice Selection"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    rCTCSS = new QRadioButton(QStringLiteral("CTCSS"), GroupBox1);
    rCTCSS->setObjectName(QStringLiteral("rCTCSS"));
    rDCSN = new QRadioButton(QStringLiteral("DCS-N"), GroupBox1);
    rDCSN->setObjectName(QStringLiteral("rDCSN"));
    rDCSI = new QRadioButton(QStringLiteral("DCS-I"), GroupBox1);
    rDCSI->setObjectName(QStringLiteral("rDCSI"));
    auto *choices = new QHBoxLayout(GroupBox1);
    int tag = 0;
    for (QRadioButton *choice : {rCTCSS, rDCSN, rDCSI}) {
        SetTag(choice, tag++);
        choices->addWidget(choice);
        connect(choice, &QRadioButton::clicked, this, [this, choice] { rCTCSSClick(choice); });
    }
    rCTCSS->setChecked(true);

    lbSel = new QListWidget(this);
    lbSel->setObjectName(QStringLiteral("lbSel"));
    lbSel->addItems({QStringLiteral("CTCSS"), QStringLiteral("DCS-N"), QStringLiteral("DCS-I")});
    lbSel->hide();

    gbList = new QGroupBox(QStringLiteral(" Code List"), this);
    gbList->setObjectName(QStringLiteral("gbList"));
    gvCtcss = NewToneGrid(QStringLiteral("gvCtcss"), gbList);
    gvDcsN = NewToneGrid(QStringLiteral("gvDcsN"), gbList);
    gvDcsI = NewToneGrid(QStringLiteral("gvDcsI"), gbList);
    auto *tables = new QGridLayout(gbList);
    for (QTableWidget *grid : {gvCtcss, gvDcsN, gvDcsI}) {
        tables->addWidget(grid, 0, 0, Qt::AlignLeft | Qt::AlignTop);
        grid->installEventFilter(this);
        connect(grid, &QTableWidget::doubleClicked, this, [this, grid] { gvDblClick(grid); });
    }

    lbValue = new QListWidget(this);
    lbValue->setObjectName(QStringLiteral("lbValue"));
    SetTag(lbValue, -2);
    lbValue->addItems(ToneOptionEntries());
    lbValue->hide();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addWidget(gbList);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The tables take their shape here already, so that the window has its
    // size before it is first shown.
    BuildToneGrids();
}

QString TfToneOption::Pick(const TALL &all, QWidget *parent)
{
    TfToneOption picker(all, parent);
    if (Driver()) {
        picker.show();
        Driver()(picker);
        picker.close();
    } else {
        picker.exec();
    }
    return picker.Result();
}

void TfToneOption::SetDriver(TDriver driver)
{
    Driver() = std::move(driver);
}

QTableWidget *TfToneOption::Table(int tag) const
{
    switch (tag) {
    case 1:
        return gvDcsN;
    case 2:
        return gvDcsI;
    default:
        return gvCtcss;
    }
}

QRadioButton *TfToneOption::Choice(int tag) const
{
    switch (tag) {
    case 1:
        return rDCSN;
    case 2:
        return rDCSI;
    default:
        return rCTCSS;
    }
}

void TfToneOption::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfToneOption::FormShow()
{
    BuildToneGrids();
    m_result.clear();
    if (m_all.LanguageIndex > 0)
        TranslateWindow(this, LanguageFilePath(m_all.AppFolder, m_all.LanguageName), false);
    rCTCSSClick(this); // the window's own tag is 0: the CTCSS table
    gvCtcss->setFocus(); // arrows and Enter pick without the mouse
}

void TfToneOption::BuildToneGrids()
{
    QStringList entries;
    for (int i = 0; i < lbValue->count(); ++i)
        entries.append(lbValue->item(i)->text());

    gvCtcss->setUpdatesEnabled(false);
    Shape(gvCtcss, kCtcssShape, {kCtcssNumberWidth, kCtcssToneWidth, kCtcssCodeWidth});
    for (int g = 0; g < kCtcssShape.groups; ++g) {
        for (int r = 0; r < kCtcssShape.rows; ++r) {
            const TToneEntryParts parts =
                SplitEntry(entries.value(kCtcssShape.firstEntry + g * kCtcssShape.rows + r));
            SetCell(gvCtcss, r, 3 * g, parts.number, kCtcssNumberColour, false);
            SetCell(gvCtcss, r, 3 * g + 1, parts.tone, kPickColour, true);
            SetCell(gvCtcss, r, 3 * g + 2, parts.code, kCtcssCodeColour, false);
        }
        gvCtcss->item(0, 3 * g + 1)->setData(kHiddenRole, kPickable);
    }
    FitColumns(gvCtcss, 3);
    gvCtcss->setUpdatesEnabled(true);

    for (auto [grid, polarity] : {std::pair{gvDcsN, u'N'}, std::pair{gvDcsI, u'I'}}) {
        grid->setUpdatesEnabled(false);
        Shape(grid, kDcsShape, {kDcsNumberWidth, kDcsCodeWidth});
        for (int g = 0; g < kDcsShape.groups; ++g) {
            for (int r = 0; r < kDcsShape.rows; ++r) {
                const TToneEntryParts parts =
                    SplitEntry(entries.value(kDcsShape.firstEntry + g * kDcsShape.rows + r));
                const QString code = parts.tone.isEmpty() ? QString() : parts.tone + polarity;
                SetCell(grid, r, 2 * g, parts.number, kDcsNumberColour, false);
                SetCell(grid, r, 2 * g + 1, code, kPickColour, true);
            }
            grid->item(0, 2 * g + 1)->setData(kHiddenRole, kPickable);
        }
        FitColumns(grid, 2);
        grid->setUpdatesEnabled(true);
    }

    // The tables lie on top of each other in one place of one size.
    QSize size;
    for (QTableWidget *grid : {gvCtcss, gvDcsN, gvDcsI})
        size = size.expandedTo(ContentSize(grid));
    for (QTableWidget *grid : {gvCtcss, gvDcsN, gvDcsI})
        grid->setFixedSize(size);
}

void TfToneOption::rCTCSSClick(const QObject *sender)
{
    gbList->setEnabled(false);
    gvCtcss->setVisible(rCTCSS->isChecked());
    gvDcsI->setVisible(rDCSI->isChecked());
    gvDcsN->setVisible(rDCSN->isChecked());
    const QListWidgetItem *title = lbSel->item(Tag(sender));
    gbList->setTitle(title ? title->text() : QString());
    gbList->setEnabled(true);
}

void TfToneOption::gvDblClick(QTableWidget *grid)
{
    const int col = grid->currentColumn();
    const QTableWidgetItem *top = grid->item(0, col);
    if (col < 0 || !top || top->data(kHiddenRole).toString() != kPickable)
        return;
    const QTableWidgetItem *cell = grid->currentItem();
    m_result = cell ? cell->text() : QString();
    if (m_result.isEmpty())
        reject();
    else
        accept();
}

bool TfToneOption::eventFilter(QObject *watched, QEvent *event)
{
    // Enter picks like a double click, so the picker works from the keyboard.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            for (QTableWidget *grid : {gvCtcss, gvDcsN, gvDcsI}) {
                if (watched == grid) {
                    gvDblClick(grid);
                    return true;
                }
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

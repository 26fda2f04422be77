#include "editing/ChannelFields.h"

#include "editing/ChannelStore.h"
#include "editing/ToneSelector.h"
#include "localisation/FormParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace {

using Col = TChannelStore::Column;

constexpr int kTranslatedList = 0;
constexpr int kListMinimumWidth = 110;
constexpr int kYes = 0;
constexpr int kNo = 1;

QComboBox *NewOptionList(const char *name, const QStringList &items, int initial, QWidget *parent)
{
    QComboBox *list = NewFixedList(name, kTranslatedList, kListMinimumWidth, parent);
    list->addItems(items);
    list->setCurrentIndex(initial);
    return list;
}

QCheckBox *NewCheck(const char *name, const QString &caption, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// The option index of a cell as the table's readers take it.
int OptionIndex(const TChannelStore &store, int col, int row)
{
    bool ok = false;
    const int index = store.Hidden(col, row).trimmed().toInt(&ok);
    return ok && (index == 0 || index == 1) ? index : 0;
}

void ShowIndex(QComboBox *list, int index)
{
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(index);
}

void WriteOption(TChannelStore &store, int col, int row, const QComboBox *list)
{
    store.SetText(col, row, list->currentText());
    store.SetHidden(col, row, QString::number(list->currentIndex()));
}

} // namespace

int ChannelCountOf(const TChannelStore &store)
{
    return store.RowCount() - 2;
}

TChannelFields::TChannelFields(const QString &decodeCaption, QWidget *parent) : QObject(parent)
{
    const QStringList yesNo{QStringLiteral("Yes"), QStringLiteral("No")};
    lbQT = NewCaption("lbQT", decodeCaption, parent);
    cbQT = new TToneSelector("cbQT", parent);
    lbQT->setBuddy(cbQT);
    lbDQT = NewCaption("lbDQT", QStringLiteral("QT/DQT Encode"), parent);
    cbDQT = new TToneSelector("cbDQT", parent);
    lbDQT->setBuddy(cbDQT);
    lbkz = NewCaption("lbkz", QStringLiteral("Wide/Narrow"), parent);
    cbkz = NewOptionList("cbkz", {QStringLiteral("Wide"), QStringLiteral("Narrow")}, 0, parent);
    lbkz->setBuddy(cbkz);
    lbfsgl = NewCaption("lbfsgl", QStringLiteral("TX Power"), parent);
    cbfsgl = NewOptionList("cbfsgl", {QStringLiteral("Low"), QStringLiteral("High")}, 1, parent);
    lbfsgl->setBuddy(cbfsgl);
    chsmtj = NewCheck("chsmtj", QStringLiteral("Scan Add"), parent);
    chpppy = NewCheck("chpppy", QStringLiteral("Beat Shift"), parent);
    chfm = NewCheck("chfm", QStringLiteral("Busy Lockout"), parent);
    cbsmtj = NewOptionList("cbsmtj", yesNo, kNo, parent);
    cbpppy = NewOptionList("cbpppy", yesNo, kNo, parent);
    cbfm = NewOptionList("cbfm", yesNo, kNo, parent);
    for (QComboBox *hidden : {cbsmtj, cbpppy, cbfm})
        hidden->hide();
}

int TChannelFields::AddTo(QGridLayout *grid, int row)
{
    const std::pair<QLabel *, QWidget *> pairs[] = {
        {lbQT, cbQT}, {lbDQT, cbDQT}, {lbkz, cbkz}, {lbfsgl, cbfsgl}};
    for (const auto &[caption, field] : pairs) {
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    }
    auto *checks = new QHBoxLayout;
    for (QCheckBox *box : {chsmtj, chpppy, chfm})
        checks->addWidget(box);
    checks->addStretch();
    grid->addLayout(checks, row, 0, 1, 2);
    return row + 1;
}

void TChannelFields::LoadRow(const TChannelStore &store, int row)
{
    const QString none = store.Texts().None;
    cbQT->ShowCell(store.Text(Col::ColDec, row), none);
    cbDQT->ShowCell(store.Text(Col::ColEnc, row), none);
    ShowIndex(cbfsgl, OptionIndex(store, Col::ColPower, row));
    ShowIndex(cbkz, OptionIndex(store, Col::ColWideNarrow, row));
    ShowOption(chsmtj, OptionIndex(store, Col::ColScanAdd, row));
    ShowOption(chpppy, OptionIndex(store, Col::ColBeatShift, row));
    ShowOption(chfm, OptionIndex(store, Col::ColBusyLockout, row));
}

void TChannelFields::WriteRow(TChannelStore &store, int row) const
{
    const QString none = store.Texts().None;
    store.SetText(Col::ColDec, row, cbQT->CellText(none));
    store.SetText(Col::ColEnc, row, cbDQT->CellText(none));
    WriteOption(store, Col::ColPower, row, cbfsgl);
    WriteOption(store, Col::ColWideNarrow, row, cbkz);
    WriteOption(store, Col::ColScanAdd, row, cbsmtj);
    WriteOption(store, Col::ColBeatShift, row, cbpppy);
    WriteOption(store, Col::ColBusyLockout, row, cbfm);
}

void TChannelFields::Clear()
{
    cbQT->ShowCell(QString(), QString());
    cbDQT->ShowCell(QString(), QString());
    ShowIndex(cbkz, 0);
    for (QCheckBox *box : {chsmtj, chpppy, chfm})
        ShowOption(box, kNo);
}

void TChannelFields::SyncHidden(QCheckBox *box)
{
    ShowIndex(HiddenOf(box), box->isChecked() ? kYes : kNo);
}

QComboBox *TChannelFields::HiddenOf(const QCheckBox *box) const
{
    return box == chsmtj ? cbsmtj : box == chpppy ? cbpppy : cbfm;
}

void TChannelFields::ShowOption(QCheckBox *box, int index)
{
    ShowIndex(HiddenOf(box), index);
    const QSignalBlocker quiet(box);
    box->setChecked(index != kNo);
}

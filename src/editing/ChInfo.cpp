// Placeholder until the channel table window lands.
#include "editing/ChInfo.h"

#include <QTableView>
#include <QVBoxLayout>

namespace {
QTableView *g_grid = nullptr;
}

TfChInfo::TfChInfo(TWorkspace &, TMsgBox &, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fChInfo"));
    auto *layout = new QVBoxLayout(this);
    g_grid = new QTableView(this);
    layout->addWidget(g_grid);
}
TfChInfo::~TfChInfo() = default;
QTableView *TfChInfo::Grid() const { return g_grid; }
QString TfChInfo::NoneText() const { return QStringLiteral("None"); }
int TfChInfo::CurrentGridRow() const { return 2; }
void TfChInfo::HideSelectors() {}
void TfChInfo::ResetRows() {}
void TfChInfo::RefreshLanguage() {}

// Placeholder until the model dialog lands.
#include "core/ModelDialog.h"

TfModel::TfModel(const TWorkspace &ws, QWidget *parent) : QDialog(parent), m_ws(ws)
{
    setObjectName(QStringLiteral("fModel"));
}
bool TfModel::IsAccepted() const { return m_accepted; }
QString TfModel::ModelText() const { return {}; }
QString TfModel::BandText() const { return {}; }

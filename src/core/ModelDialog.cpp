#include "core/ModelDialog.h"

#include "core/Workspace.h"
#include "localisation/FormParts.h"
#include "localisation/Messages.h"
#include "localisation/Translate.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

namespace {

constexpr int KeepItems = -2;
constexpr int ListMinimumWidth = 160;

// Selects the item with text, or item 0 when there is none.
void SelectTextOrFirst(QComboBox *list, const QString &text)
{
    const int found = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    list->setCurrentIndex(found >= 0 ? found : 0);
}

} // namespace

TfModel::TfModel(const TWorkspace &ws, QWidget *parent)
    : QDialog(parent, FixedDialogFlags),
      m_ws(ws)
{
    setObjectName(QStringLiteral("fModel"));
    setWindowTitle(QStringLiteral("Model Information"));

    Label1 = NewCaption("Label1", QStringLiteral("Model Type: "), this);
    cbCopmut = NewFixedList("cbCopmut", KeepItems, ListMinimumWidth, this);
    Label1->setBuddy(cbCopmut);
    Label2 = NewCaption("Label2", QStringLiteral("Frequency: "), this);
    cbPd = NewFixedList("cbPd", KeepItems, ListMinimumWidth, this);
    Label2->setBuddy(cbPd);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(cbCopmut, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(cbPd, 1, 1);
    auto *buttons = NewOkCancelRow(btnOk, btnCancel, this);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(cbCopmut, &QComboBox::currentIndexChanged, this, &TfModel::cbCopmutChange);
    connect(btnOk, &QPushButton::clicked, this, &TfModel::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfModel::btnCancelClick);
}

bool TfModel::IsAccepted() const
{
    return m_accepted;
}

QString TfModel::ModelText() const
{
    return cbCopmut->currentText();
}

QString TfModel::BandText() const
{
    return cbPd->currentText();
}

void TfModel::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TfModel::FormShow()
{
    const TALL &all = m_ws.All;
    if (all.LanguageIndex > 0)
        TranslateWindow(this, LanguageFilePath(all.AppFolder, all.LanguageName), false);
    {
        // Filling is not a choice of the user: the bands follow once, below.
        const QSignalBlocker quiet(cbCopmut);
        QStringList names;
        m_ws.Models.GetNames(names);
        cbCopmut->clear();
        cbCopmut->addItems(names);
        SelectTextOrFirst(cbCopmut, all.ModelName);
    }
    cbCopmutChange();
    SelectTextOrFirst(cbPd, all.BandText);
    m_accepted = false;
}

void TfModel::cbCopmutChange()
{
    cbPd->clear();
    const TMacType *model = m_ws.Models.FindByName(cbCopmut->currentText());
    if (!model)
        return;
    cbPd->addItems(model->Bands);
    SelectTextOrFirst(cbPd, model->DefaultBand);
}

void TfModel::btnOkClick()
{
    m_accepted = true;
    accept();
}

void TfModel::btnCancelClick()
{
    reject();
}

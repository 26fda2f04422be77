#include "mainwindow/StatusPanels.h"

#include "localisation/Translate.h"

#include <QDateTime>
#include <QLabel>

namespace {
constexpr std::array<int, TStatusPanels::PanelCount> PanelWidths{50, 80, 120, 180, 200};
}

TStatusPanels::TStatusPanels(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("MainBar"));
    setSizeGripEnabled(false);
    for (int i = 0; i < PanelCount; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("MainBarPanel%1").arg(i));
        label->setFixedWidth(PanelWidths[i]);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        MarkStaticText(label); // shows data, not a caption of the language file
        addWidget(label);
        m_panels[i] = label;
    }
}

void TStatusPanels::SetPanel(int panel, const QString &text)
{
    if (panel >= 0 && panel < PanelCount)
        m_panels[panel]->setText(text);
}

QString TStatusPanels::PanelText(int panel) const
{
    return panel >= 0 && panel < PanelCount ? m_panels[panel]->text() : QString();
}

QString StatusDateText()
{
    return QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"));
}

QString StatusTimeText()
{
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}

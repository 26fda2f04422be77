#pragma once
// The main window's status bar MainBar: five panels side by side of fixed
// widths. Panel 1 shows the date, 2 the time, 3 the port; 0 and 4 stay
// empty.

#include <QStatusBar>
#include <array>

class QLabel;

class TStatusPanels : public QStatusBar {
    Q_OBJECT
public:
    enum Panel { Empty0 = 0, Date = 1, Time = 2, Port = 3, Empty4 = 4, PanelCount = 5 };

    explicit TStatusPanels(QWidget *parent = nullptr);

    void SetPanel(int panel, const QString &text);
    QString PanelText(int panel) const;

private:
    std::array<QLabel *, PanelCount> m_panels{};
};

// Today's date and the time as the status bar shows them.
QString StatusDateText();
QString StatusTimeText();

#include "cli/TransferConsole.h"

#include "cli/CliSupport.h"
#include "link/PortList.h"

#include <cstdio>
#include <unistd.h>

TConsoleView::TConsoleView(const QString &label) : m_label(label), m_terminal(::isatty(fileno(stderr)) == 1) {}

TConsoleView::~TConsoleView()
{
    Finish();
}

void TConsoleView::SetProgressMaximum(int maximum)
{
    m_maximum = maximum;
    draw();
}

void TConsoleView::SetProgress(int position)
{
    m_position = position;
    draw();
}

void TConsoleView::draw()
{
    if (!m_terminal || m_maximum <= 0)
        return;
    Err() << "\r" << m_label << ": " << m_position << "/" << m_maximum << " blocks";
    Err().flush();
    m_drawn = true;
}

void TConsoleView::Finish()
{
    if (!m_drawn)
        return;
    Err() << Qt::endl;
    m_drawn = false;
}

QString PortOption(const QString &command, const QString &value)
{
    if (DeviceOfPortName(value).isEmpty()) {
        Err() << "orvel-cli " << command << ": \"" << value
              << "\" names no serial port (give COMn or a device path such as /dev/ttyUSB0)" << Qt::endl;
        return {};
    }
    return value;
}

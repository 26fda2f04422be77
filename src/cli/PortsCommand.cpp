// orvel-cli ports: the serial ports of this computer, with the COM name the
// program knows them by and whether they can be used now.

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "link/PortList.h"

#include <QCommandLineParser>
#include <algorithm>

namespace {

QString stateText(TPortEntry::State state)
{
    switch (state) {
    case TPortEntry::Free:
        return QStringLiteral("free");
    case TPortEntry::Busy:
        return QStringLiteral("busy");
    case TPortEntry::NoPermission:
        return QStringLiteral("no permission");
    }
    return {};
}

} // namespace

int RunPorts(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists the serial ports: COM name, device, the adapter's description, and whether the port is\n"
        "free, busy (another program has it) or cannot be opened for lack of permission.\n"
        "Any command's --port also takes a device path such as /dev/pts/3."));
    parser.addHelpOption();
    if (!parser.parse(arguments)) {
        Err() << "orvel-cli ports: " << parser.errorText() << Qt::endl;
        return ExitUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        Out() << parser.helpText().replace(QStringLiteral("[options]"), QStringLiteral("ports [options]"));
        Out().flush();
        return ExitOk;
    }
    if (!parser.positionalArguments().isEmpty()) {
        Err() << "orvel-cli ports: takes no arguments; see orvel-cli ports --help" << Qt::endl;
        return ExitUsage;
    }

    const QList<TPortEntry> ports = ScanPorts();
    if (ports.isEmpty()) {
        Out() << "No serial port was found." << Qt::endl;
        return ExitOk;
    }
    qsizetype nameWidth = 0, deviceWidth = 0, descriptionWidth = 0;
    for (const TPortEntry &p : ports) {
        nameWidth = std::max(nameWidth, p.comName.size());
        deviceWidth = std::max(deviceWidth, p.device.size());
        descriptionWidth = std::max(descriptionWidth, std::max<qsizetype>(p.description.size(), 1));
    }
    for (const TPortEntry &p : ports) {
        const QString description = p.description.isEmpty() ? QStringLiteral("-") : p.description;
        Out() << p.comName.leftJustified(nameWidth) << "  " << p.device.leftJustified(deviceWidth) << "  "
              << description.leftJustified(descriptionWidth) << "  " << stateText(p.state) << "\n";
    }
    if (AnyPortWithoutPermission(ports))
        Out() << "\nThis user may not open the ports marked \"no permission\": join the dialout group\n"
                 "(sudo usermod -aG dialout $USER), then log out and in again.\n";
    Out().flush();
    return ExitOk;
}

// Placeholder until the port scan lands: no ports.
#include "link/PortList.h"

QList<TPortEntry> ScanPorts() { return {}; }
void ListPorts(QStringList *) {}
int PortNumber(const QString &) { return -1; }
QString DeviceOfPortName(const QString &portName) { return portName.startsWith(u'/') ? portName : QString(); }
QString ComNameOfDevice(const QString &) { return {}; }
bool AnyPortWithoutPermission(const QList<TPortEntry> &) { return false; }

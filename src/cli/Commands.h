#pragma once
// The commands of orvel-cli. Each takes the program name followed by the
// command's own arguments and returns the exit status.

#include <QStringList>

int RunInfo(const QStringList &arguments);
int RunExport(const QStringList &arguments);
int RunImport(const QStringList &arguments);
int RunPorts(const QStringList &arguments);
int RunSimulate(const QStringList &arguments);
int RunRead(const QStringList &arguments);
int RunWrite(const QStringList &arguments);
// Needs a QApplication (main() makes one, on the offscreen platform).
int RunReport(const QStringList &arguments);

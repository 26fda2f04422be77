#pragma once
// Running the orvel-cli binary from tests: one run with its exit status and
// output, and a simulated radio kept running for the length of a test. Every
// wait is bounded; a process that overstays is killed.

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

struct CliRun {
    int status = -1; // -1: did not finish in time
    QString out;
    QString err;
};

inline CliRun RunProcess(const QString &program, const QStringList &arguments, int timeoutMs = 30000)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// Starts `program simulate arguments` and returns the device of its first
// line ("port: /dev/pts/N"); empty when it did not say one within 5 s.
inline QString StartSimulator(QProcess &p, const QString &program, const QStringList &arguments)
{
    p.start(program, QStringList{QStringLiteral("simulate")} + arguments);
    if (!p.waitForStarted(5000))
        return {};
    QElapsedTimer t;
    t.start();
    while (!p.canReadLine() && t.elapsed() < 5000)
        p.waitForReadyRead(100);
    const QString line = QString::fromUtf8(p.readLine()).trimmed();
    return line.startsWith(QStringLiteral("port: ")) ? line.mid(6) : QString();
}

// A simulated radio for the length of a scope, stopped as a user would.
struct SimulatorProcess {
    QProcess process;
    QString port;
    SimulatorProcess(const QString &program, const QStringList &arguments)
        : port(StartSimulator(process, program, arguments))
    {
    }
    ~SimulatorProcess()
    {
        process.terminate();
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished();
        }
    }
};

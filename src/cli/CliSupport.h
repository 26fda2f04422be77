#pragma once
// What every orvel-cli command shares: exit statuses, the one-line failure
// message, the command's own argument parser, loading a data file.

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>

class TChannelStore;
struct TWorkspace;

enum TExitStatus : int {
    ExitOk = 0,
    ExitFailed = 1, // bad input or a failed operation; one line on stderr
    ExitUsage = 2,
};

QTextStream &Out();
QTextStream &Err();

// Prints "orvel-cli: message" on stderr and returns ExitFailed.
int Fail(const QString &message);

// A command's parser: --help plus the command's own options. Parse returns
// ExitOk to go on, or the status to stop with after printing help (0) or a
// usage error (2). positional is how many file arguments the command takes.
class TCommandParser {
public:
    TCommandParser(const QString &command, const QString &description, const QString &positionalName,
                   const QString &positionalHelp);
    QCommandLineParser &parser() { return m_parser; }
    // -1 when the command should go on, else the exit status.
    int Parse(const QStringList &arguments);
    QString file() const { return m_parser.positionalArguments().value(0); }

private:
    QCommandLineParser m_parser;
    QString m_command;
};

// A workspace ready for work: catalogue built, built-in texts, first model
// with its default band and an empty channel table.
void PrepareWorkspace(TWorkspace &ws);
// Loads path into ws; on failure prints the reason and returns false.
bool LoadForCli(const QString &path, TWorkspace &ws);

// The display texts of columns 1..10 of a row, as the channel table shows
// them; row 1 gives the column titles.
QStringList RowTexts(const TChannelStore &store, int row);

#include "cli/CliSupport.h"

#include "core/Maindb.h"
#include "core/Workspace.h"
#include "image/DataFile.h"

#include <QCoreApplication>

QTextStream &Out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &Err()
{
    static QTextStream stream(stderr);
    return stream;
}

int Fail(const QString &message)
{
    Out().flush();
    Err() << "orvel-cli: " << message << Qt::endl;
    return ExitFailed;
}

TCommandParser::TCommandParser(const QString &command, const QString &description,
                               const QString &positionalName, const QString &positionalHelp)
    : m_command(command)
{
    m_parser.setApplicationDescription(description);
    m_parser.addHelpOption();
    m_parser.addPositionalArgument(positionalName, positionalHelp);
}

int TCommandParser::Parse(const QStringList &arguments)
{
    if (!m_parser.parse(arguments)) {
        Err() << "orvel-cli " << m_command << ": " << m_parser.errorText() << Qt::endl;
        return ExitUsage;
    }
    if (m_parser.isSet(QStringLiteral("help"))) {
        QString help = m_parser.helpText();
        // The usage line names the program only; add the command.
        help.replace(QStringLiteral("[options]"), m_command + QStringLiteral(" [options]"));
        Out() << help;
        Out().flush();
        return ExitOk;
    }
    if (m_parser.positionalArguments().size() != 1) {
        Err() << "orvel-cli " << m_command << ": expects exactly one file; see orvel-cli "
              << m_command << " --help" << Qt::endl;
        return ExitUsage;
    }
    return -1;
}

void PrepareWorkspace(TWorkspace &ws)
{
    // The same start-up as the desktop program's, so that messages come in
    // the language chosen there (the language files sit beside both).
    DataModuleCreate(ws, AppFolderOf(QCoreApplication::applicationFilePath()));
    StartWithModel(ws, *ws.Models.Item(0));
}

bool LoadForCli(const QString &path, TWorkspace &ws)
{
    const TDataFileResult result = LoadDataFile(path, ws);
    switch (result.status) {
    case TDataFileResult::Ok:
        return true;
    case TDataFileResult::UnknownModel: {
        QStringList known;
        for (int i = 0; i < ws.Models.Count(); ++i)
            known.append(ws.Models.Item(i)->Code);
        Fail(QStringLiteral("%1: model code \"%2\" is not one of ours (%3)")
                 .arg(path, result.detail, known.join(QStringLiteral(", "))));
        return false;
    }
    case TDataFileResult::TooShort:
        Fail(QStringLiteral("%1: not a complete data file (%2 bytes)").arg(path, result.detail));
        return false;
    case TDataFileResult::CannotOpen:
    case TDataFileResult::CannotWrite:
    case TDataFileResult::NoModel:
        break;
    }
    Fail(QStringLiteral("%1: %2").arg(path, result.detail));
    return false;
}

QStringList RowTexts(const TChannelStore &store, int row)
{
    QStringList cells;
    for (int c = TChannelStore::ColNumber; c <= TChannelStore::ColBusyLockout; ++c)
        cells.append(store.Text(c, row));
    return cells;
}

// orvel-cli import: builds a data file from a CSV channel table. Model, band,
// settings and messages come from --base, else from the chosen (or first)
// catalogue model with its default band and the default settings.

#include "cli/ChannelImport.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "core/Workspace.h"
#include "image/DataFile.h"

#include <QFile>
#include <QStringDecoder>

namespace {

// "450-470mhz" finds "450 - 470MHz": blanks and case do not matter.
QString findBand(const TMacType &model, const QString &wanted)
{
    auto key = [](QString s) { return s.remove(u' ').toLower(); };
    for (const QString &band : model.Bands)
        if (key(band) == key(wanted))
            return band;
    return {};
}

bool readCsv(const QString &path, QList<TCsvRecord> &records)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(file.readAll());
    if (utf8.hasError()) {
        Fail(QStringLiteral("%1: not UTF-8 text").arg(path));
        return false;
    }
    QString error;
    if (!ParseCsv(text, records, error)) {
        Fail(QStringLiteral("%1 %2").arg(path, error));
        return false;
    }
    return true;
}

} // namespace

int RunImport(const QStringList &arguments)
{
    TCommandParser cmd(QStringLiteral("import"),
                       QStringLiteral("Builds a data file from a CSV channel table (as export writes it)."),
                       QStringLiteral("channels.csv"), QStringLiteral("The CSV file to import."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The data file to write."), QStringLiteral("FILE.dat"));
    const QCommandLineOption base(QStringLiteral("base"),
                                  QStringLiteral("Take model, band, settings and messages from this data file."),
                                  QStringLiteral("OLD.dat"));
    const QCommandLineOption model(QStringLiteral("model"),
                                   QStringLiteral("Model code (6842 UHF, 6841 VHF); the first model when omitted."),
                                   QStringLiteral("CODE"));
    const QCommandLineOption band(QStringLiteral("band"),
                                  QStringLiteral("Band of the model, such as \"450 - 470MHz\"; its default band when omitted."),
                                  QStringLiteral("BAND"));
    cmd.parser().addOptions({output, base, model, band});
    if (const int status = cmd.Parse(arguments); status >= 0)
        return status;
    QCommandLineParser &p = cmd.parser();
    if (!p.isSet(output)) {
        Err() << "orvel-cli import: -o FILE.dat is required" << Qt::endl;
        return ExitUsage;
    }
    if (p.isSet(base) && p.isSet(model)) {
        Err() << "orvel-cli import: --base and --model exclude each other" << Qt::endl;
        return ExitUsage;
    }

    TWorkspace ws;
    PrepareWorkspace(ws);
    if (p.isSet(base)) {
        if (!LoadForCli(p.value(base), ws))
            return ExitFailed;
        ws.Channels.ResetRows(); // the channels come from the CSV alone
    } else if (p.isSet(model)) {
        const TMacType *chosen = ws.Models.FindByCode(p.value(model));
        if (!chosen)
            return Fail(QStringLiteral("unknown model code \"%1\"").arg(p.value(model)));
        StartWithModel(ws, *chosen);
    }
    if (p.isSet(band)) {
        const QString text = findBand(*ws.All.CurrentModel, p.value(band));
        if (text.isEmpty())
            return Fail(QStringLiteral("\"%1\" is not a band of the %2 (%3)")
                            .arg(p.value(band), ws.All.ModelName,
                                 ws.All.CurrentModel->Bands.join(QStringLiteral(", "))));
        SelectBand(ws.All, text);
    }

    QList<TCsvRecord> records;
    if (!readCsv(cmd.file(), records))
        return ExitFailed;
    const TImportReport report = ImportChannels(records, ws);
    for (const QString &warning : report.warnings)
        Err() << "orvel-cli: warning: " << cmd.file() << " " << warning << Qt::endl;
    if (!report.errors.isEmpty()) {
        for (const QString &error : report.errors)
            Err() << "orvel-cli: " << cmd.file() << " " << error << Qt::endl;
        return Fail(QStringLiteral("nothing written: %1 row(s) could not be taken").arg(report.errors.size()));
    }

    const QString target = p.value(output);
    const TDataFileResult saved = SaveDataFile(target, ws);
    if (!saved.ok())
        return Fail(QStringLiteral("%1: %2").arg(target, saved.detail));
    return ExitOk;
}

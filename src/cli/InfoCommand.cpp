// orvel-cli info: what a data file holds, for a person or as JSON.

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "core/Workspace.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// How a person reads each function setting: a label and, where the value
// picks an entry of a list, the list (indexed by the value).
struct SettingText {
    int TFun::*member;
    const char *label;
    QStringList entries;
    int shownOffset = 0; // shown as value + offset when there is no list
};

QList<SettingText> settingTexts()
{
    const QStringList offOn = {QStringLiteral("Off"), QStringLiteral("On")};
    QStringList timeouts = {QStringLiteral("Off")};
    for (int i = 1; i <= 10; ++i)
        timeouts.append(QStringLiteral("%1 s").arg(30 * i));
    return {
        {&TFun::BatterySave, "Battery Save", offOn},
        {&TFun::ClewVoice, "Clew Voice", offOn},
        {&TFun::SquelchLevel, "Squelch Level", {}},
        {&TFun::SideKey, "Side Key",
         {QStringLiteral("Off"), QStringLiteral("Monmome"), QStringLiteral("H/L Power"), QStringLiteral("Alarm")}},
        {&TFun::TxTimeOut, "TX Time-out", timeouts},
        {&TFun::VoxFunction, "VOX Function", offOn},
        {&TFun::VoxInhibitOnReceive, "VOX Inhibit OnReceive", offOn},
        {&TFun::VoxGainLevel, "VOX Level", {}, 1},
        {&TFun::VoiceLanguage, "Voice Annunciation", {QStringLiteral("English"), QStringLiteral("Chinese")}},
        {&TFun::ScanMode, "Scan", offOn},
        {&TFun::VoicePrompt, "Voice", offOn},
        {&TFun::HighVolInhibitTx, "High Vol Inhibit Tx", offOn},
        {&TFun::LowVolInhibitTx, "Low Vol Inhibit Tx", offOn},
        {&TFun::InceptAlarm, "Incept Alarm", offOn},
        {&TFun::FmRadio, "FM", {QStringLiteral("Interdict"), QStringLiteral("Turn on")}},
    };
}

QString settingValue(const SettingText &s, int value)
{
    if (s.entries.isEmpty())
        return QString::number(value + s.shownOffset);
    if (value >= 0 && value < s.entries.size())
        return s.entries[value];
    return QStringLiteral("%1 (not a listed value)").arg(value);
}

int optionIndex(const TChannelStore &store, int col, int row)
{
    return store.Hidden(col, row).toInt();
}

QString toneOrEmpty(const TChannelStore &store, int col, int row)
{
    const QString t = store.Text(col, row);
    return t == store.Texts().None ? QString() : t;
}

void printText(const TWorkspace &ws)
{
    const TALL &all = ws.All;
    const TChannelStore &store = ws.Channels;
    QTextStream &out = Out();
    out << "Model:     " << all.ModelName << " (code " << all.ModelCode << ")\n";
    out << "Band:      " << all.BandText.trimmed() << "\n";

    // Channels with an RX frequency, as the channel table shows them.
    const QStringList titles = RowTexts(store, 1);
    QList<QStringList> rows{titles};
    for (int r = 2; r < store.RowCount(); ++r)
        if (!store.Text(TChannelStore::ColRx, r).trimmed().isEmpty())
            rows.append(RowTexts(store, r));
    out << "\nChannels:  " << rows.size() - 1 << " of " << store.RowCount() - 2 << " in use\n";
    if (rows.size() > 1) {
        QList<qsizetype> widths(titles.size(), 0);
        for (const QStringList &row : rows)
            for (qsizetype c = 0; c < row.size(); ++c)
                widths[c] = std::max(widths[c], row[c].size());
        for (const QStringList &row : rows) {
            QStringList padded;
            for (qsizetype c = 0; c < row.size(); ++c)
                padded.append(row[c].leftJustified(widths[c]));
            out << "  " << padded.join(QStringLiteral("  ")).trimmed() << "\n";
        }
    }

    out << "\nFunction settings:\n";
    for (const SettingText &s : settingTexts())
        out << "  " << QString::fromLatin1(s.label).leftJustified(23) << settingValue(s, ws.Fun.*s.member)
            << "\n";

    out << "\nMessages:\n";
    out << "  Message A: \"" << ws.EnMsg.MessageA << "\"\n";
    out << "  Message B: \"" << ws.EnMsg.MessageB << "\"\n";
    out.flush();
}

void printJson(const TWorkspace &ws)
{
    const TALL &all = ws.All;
    const TChannelStore &store = ws.Channels;
    QJsonArray channels;
    for (int r = 2; r < store.RowCount(); ++r) {
        const QString rx = store.Text(TChannelStore::ColRx, r).trimmed();
        if (rx.isEmpty())
            continue;
        channels.append(QJsonObject{
            {QStringLiteral("channel"), r - 1},
            {QStringLiteral("rx"), rx},
            {QStringLiteral("tx"), store.Text(TChannelStore::ColTx, r).trimmed()},
            {QStringLiteral("dec"), toneOrEmpty(store, TChannelStore::ColDec, r)},
            {QStringLiteral("enc"), toneOrEmpty(store, TChannelStore::ColEnc, r)},
            {QStringLiteral("tx_power"), optionIndex(store, TChannelStore::ColPower, r)},
            {QStringLiteral("wide_narrow"), optionIndex(store, TChannelStore::ColWideNarrow, r)},
            {QStringLiteral("scan_add"), optionIndex(store, TChannelStore::ColScanAdd, r)},
            {QStringLiteral("beat_shift"), optionIndex(store, TChannelStore::ColBeatShift, r)},
            {QStringLiteral("busy_lockout"), optionIndex(store, TChannelStore::ColBusyLockout, r)},
        });
    }
    QJsonObject settings;
    for (const TFunField &f : FunFields())
        settings.insert(QString::fromLatin1(f.name), ws.Fun.*f.member);
    const QJsonObject root{
        {QStringLiteral("model_code"), all.ModelCode},
        {QStringLiteral("model_name"), all.ModelName},
        {QStringLiteral("band"), all.BandText},
        {QStringLiteral("band_lower"), all.BandLowerLimit},
        {QStringLiteral("band_upper"), all.BandUpperLimit},
        {QStringLiteral("channels"), channels},
        {QStringLiteral("settings"), settings},
        {QStringLiteral("messages"),
         QJsonObject{{QStringLiteral("MessageA"), ws.EnMsg.MessageA},
                     {QStringLiteral("MessageB"), ws.EnMsg.MessageB}}},
    };
    Out() << QJsonDocument(root).toJson(QJsonDocument::Indented);
    Out().flush();
}

} // namespace

int RunInfo(const QStringList &arguments)
{
    TCommandParser cmd(QStringLiteral("info"), QStringLiteral("Shows what a data file holds."),
                       QStringLiteral("FILE.dat"), QStringLiteral("The data file to show."));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print one JSON object."));
    cmd.parser().addOption(json);
    if (const int status = cmd.Parse(arguments); status >= 0)
        return status;

    TWorkspace ws;
    PrepareWorkspace(ws);
    if (!LoadForCli(cmd.file(), ws))
        return ExitFailed;
    if (cmd.parser().isSet(json))
        printJson(ws);
    else
        printText(ws);
    return ExitOk;
}

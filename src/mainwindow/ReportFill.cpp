#include "mainwindow/ReportFill.h"

#include "core/Workspace.h"
#include "image/BFunSet.h"
#include "mainwindow/MainFrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

namespace {

// The component called name in window, none when there is none: a renamed
// component shows as a gap in the report rather than a crash.
template <typename T>
const T *Component(const QWidget &window, const char *name)
{
    return window.findChild<T *>(QString::fromLatin1(name));
}

QString LabelText(const QWidget &window, const char *name)
{
    const QLabel *label = Component<QLabel>(window, name);
    return label ? label->text() : QString();
}

enum class Kind { Check, List, Spin };

// One settings row: where its caption comes from and which control holds
// its value.
struct TSettingSource {
    const char *caption; // a label, or the check box itself
    const char *value;
    Kind kind;
};

// The order of the settings group.
constexpr TSettingSource SettingSources[] = {
    {"cbBattSave", "cbBattSave", Kind::Check},
    {"cbBeepTone", "cbBeepTone", Kind::Check},
    {"cbVolhigh", "cbVolhigh", Kind::Check},
    {"cbVolLow", "cbVolLow", Kind::Check},
    {"Label1", "cbSQvelch", Kind::List},
    {"Label2", "cbMonikey", Kind::List},
    {"Label3", "cbTxTimeout", Kind::List},
    {"Label5", "cxScan", Kind::List},
    {"Label4", "cxWaveof", Kind::List},
    {"Label10", "cbVoice", Kind::List},
    {"Label6", "cxAlt", Kind::List},
    {"Label7", "cxFM", Kind::List},
    {"chVoxFun", "chVoxFun", Kind::Check},
    {"Label8", "seVoxLevel", Kind::Spin},
    {"chVoxInhibit", "chVoxInhibit", Kind::Check},
};

TSettingRow RowOf(const TfBFunSet &dialog, const TLanguage &messages, const TSettingSource &source)
{
    TSettingRow row;
    switch (source.kind) {
    case Kind::Check:
        if (const QCheckBox *check = Component<QCheckBox>(dialog, source.value)) {
            row.caption = check->text();
            row.value = check->isChecked() ? messages.Open : messages.Close;
        }
        break;
    case Kind::List:
        row.caption = LabelText(dialog, source.caption);
        if (const QComboBox *list = Component<QComboBox>(dialog, source.value))
            row.value = list->currentText();
        break;
    case Kind::Spin:
        row.caption = LabelText(dialog, source.caption);
        if (const QSpinBox *spin = Component<QSpinBox>(dialog, source.value))
            row.value = spin->text();
        break;
    }
    return row;
}

} // namespace

TReportHeader ReportHeaderOf(const TfMainFrm &frame)
{
    const TALL &all = frame.Services().ws.All;
    TReportHeader header;
    header.title = all.ProductTitle;
    header.modelCaption = LabelText(frame, "lMode");
    header.modelName = all.ModelName;
    header.bandCaption = LabelText(frame, "Label4");
    header.bandText = LabelText(frame, "stFreq");
    return header;
}

std::vector<TSettingRow> SettingsRowsOf(const TfBFunSet &dialog, const TLanguage &messages)
{
    std::vector<TSettingRow> rows;
    for (const TSettingSource &source : SettingSources)
        rows.push_back(RowOf(dialog, messages, source));
    return rows;
}

void FillSettingsRows(TMemTable &myAdo, TWorkspace &ws)
{
    TfBFunSet dialog(ws);
    dialog.Prepare();
    AppendSettingsRows(myAdo, dialog.windowTitle(), SettingsRowsOf(dialog, ws.Language));
}

void FillReport(TWorkspace &ws, const TReportHeader &header)
{
    TReportData &report = ws.Report;
    report.myAdo.Clear();
    report.myMain.Clear();
    FillMainRow(report.myMain, header);
    FillSettingsRows(report.myAdo, ws);
    AppendChannelRows(report.myAdo, ws.Language, ws.Channels);
}

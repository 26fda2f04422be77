#include "mainwindow/ModelChoice.h"

#include "core/Workspace.h"
#include "image/FileCommands.h"
#include "localisation/MsgBox.h"

namespace {

// The model group and the band group, to put back when the change is
// called off.
struct TModelBandSnapshot {
    const TMacType *model = nullptr;
    QString modelCode;
    QString bandText;

    explicit TModelBandSnapshot(const TALL &all)
        : model(all.CurrentModel), modelCode(all.ModelCode), bandText(all.BandText)
    {
    }

    void Restore(TALL &all) const
    {
        if (model)
            SelectModel(all, *model);
        all.ModelCode = modelCode;
        SelectBand(all, bandText);
    }
};

} // namespace

bool ApplyModelChoice(TWorkspace &ws, TMsgBox &box, TFileCommands &files,
                      const QString &modelName, const QString &bandText)
{
    const TMacType *model = ws.Models.FindByName(modelName);
    if (!model)
        return false;
    if (ws.All.Modified
        && box.MsgBox(ws.Language.Confirmation, ws.Language.ClearData, MsgYesNo) != IdYes)
        return false;

    const TModelBandSnapshot previous(ws.All);
    SelectModel(ws.All, *model);
    SelectBand(ws.All, bandText);
    // New resets the settings after its offered save.
    if (!files.New()) {
        previous.Restore(ws.All);
        return false;
    }
    return true;
}

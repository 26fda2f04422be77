#include "core/Workspace.h"

void BuildWorkspace(TWorkspace &ws)
{
    ws.All.TestOnlineVisible = false;
    BuildBandList(ws.Bands);
    BuildCatalogue(ws.Models, ws.All);
    ResetSettings(ws.Fun, ws.EnMsg);
    SetBuiltInMessages(ws.Language);
}

void StartWithModel(TWorkspace &ws, const TMacType &model)
{
    SelectModel(ws.All, model);
    SelectBand(ws.All, model.DefaultBand);
    ws.Channels.ResetRows();
}

#include "core/AppState.h"

#include "core/MacType.h"

void SelectModel(TALL &all, const TMacType &model)
{
    all.CurrentModel = &model;
    all.ModelCode = model.Code;
    all.ModelName = model.Name;
    all.ModelUpperLimit = model.UpperLimit;
    all.ModelLowerLimit = model.LowerLimit;
    all.ChannelCount = model.ChannelCount;
}

void SelectBand(TALL &all, const QString &bandText)
{
    all.BandText = bandText;
    ParseBandText(bandText, all.BandLowerLimit, all.BandUpperLimit);
}

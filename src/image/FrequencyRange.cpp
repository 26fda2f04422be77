#include "image/FrequencyRange.h"

#include "core/AppState.h"
#include "core/MessageTable.h"
#include "image/ValueFormats.h"
#include "localisation/MsgBox.h"

namespace {

// The model limits are hard: outside them the radio cannot work, so the value
// is pulled back to the nearest end of the selected band.
bool ReplaceOutsideModel(double &value, const TFrequencyLimits &limits)
{
    if (value > limits.modelUpper) {
        value = limits.bandUpper;
        return true;
    }
    if (value < limits.modelLower) {
        value = limits.bandLower;
        return true;
    }
    return false;
}

bool OutsideBand(double value, const TFrequencyLimits &limits)
{
    return value > limits.bandUpper || value < limits.bandLower;
}

} // namespace

TFrequencyLimits TFrequencyLimits::Of(const TALL &all)
{
    TFrequencyLimits limits;
    limits.modelLower = all.ModelLowerLimit;
    limits.modelUpper = all.ModelUpperLimit;
    limits.bandLower = all.BandLowerLimit;
    limits.bandUpper = all.BandUpperLimit;
    return limits;
}

TRangeResult CheckFrequencyRange(double value, const TFrequencyLimits &limits)
{
    TRangeResult result;
    result.value = value;
    if (ReplaceOutsideModel(result.value, limits))
        result.verdict = TRangeVerdict::OutOfModel;
    else if (OutsideBand(result.value, limits))
        result.verdict = TRangeVerdict::OutOfBand;
    return result;
}

TFrequencyCommit CommitFrequencyText(const QString &typed, const TFrequencyLimits &limits)
{
    TFrequencyCommit commit;
    if (typed.trimmed().isEmpty()) {
        commit.empty = true;
        return commit;
    }
    double value = 0;
    if (const std::optional<double> parsed = ParseFrequency(typed)) {
        const TRangeResult checked = CheckFrequencyRange(*parsed, limits);
        value = checked.value;
        commit.verdict = checked.verdict;
    } else {
        value = limits.bandUpper;
        commit.verdict = TRangeVerdict::NotNumber;
        // A band that reaches beyond its model is a catalogue fault; the value
        // must still end inside the model, but one message is enough.
        ReplaceOutsideModel(value, limits);
    }
    commit.value = RoundToStep(value);
    commit.text = FrequencyText(commit.value);
    return commit;
}

void ShowRangeMessage(TRangeVerdict verdict, const TLanguage &messages, TMsgBox &box)
{
    switch (verdict) {
    case TRangeVerdict::Inside:
        return;
    case TRangeVerdict::OutOfModel:
        box.MsgBox(messages.Caution, messages.ErrRange, MsgInformation);
        return;
    case TRangeVerdict::OutOfBand:
    case TRangeVerdict::NotNumber:
        box.MsgBox(messages.Caution, messages.OutRange, MsgInformation);
        return;
    }
}

#pragma once
// The two-level range check of every typed frequency: the model limits
// replace a value outside them (ErrRange), the band limits only warn
// (OutRange). Both limits count as inside.

#include <QString>

struct TALL;
struct TLanguage;
class TMsgBox;

struct TFrequencyLimits {
    double modelLower = 0;
    double modelUpper = 0;
    double bandLower = 0;
    double bandUpper = 0;
    static TFrequencyLimits Of(const TALL &all);
};

enum class TRangeVerdict {
    Inside,     // silent
    OutOfBand,  // kept, warned with OutRange
    OutOfModel, // replaced by a band limit, ErrRange
    NotNumber,  // a typed text that does not parse: band upper limit, OutRange
};

struct TRangeResult {
    double value = 0;
    TRangeVerdict verdict = TRangeVerdict::Inside;
};

// The check on a value, without any message.
TRangeResult CheckFrequencyRange(double value, const TFrequencyLimits &limits);

// What committing a typed RX or TX text does: blank -> empty (the caller
// clears), not a number -> band upper limit with NotNumber, then the range
// check, then RoundToStep and the "0.00000" text.
struct TFrequencyCommit {
    bool empty = false;
    QString text;     // formatted, rounded value
    double value = 0; // rounded value
    TRangeVerdict verdict = TRangeVerdict::Inside;
};
TFrequencyCommit CommitFrequencyText(const QString &typed, const TFrequencyLimits &limits);

// Shows the message of a verdict as an information box captioned Caution:
// ErrRange for OutOfModel, OutRange for OutOfBand and NotNumber.
void ShowRangeMessage(TRangeVerdict verdict, const TLanguage &messages, TMsgBox &box);

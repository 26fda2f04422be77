#pragma once
// The two-level range check of every typed frequency: the model limits
// replace a value outside them (ErrRange), the band limits only warn
// (OutRange). Comparisons are strict: a value equal to a limit is inside.
// At most one message follows one check.

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

// The check on a value, without any message. Above modelUpper the value
// becomes bandUpper, below modelLower bandLower (OutOfModel); otherwise a
// value outside the band is kept and reported OutOfBand. A replaced value is
// a band limit and so never also out of band: the band warning can only
// follow an unreplaced value.
TRangeResult CheckFrequencyRange(double value, const TFrequencyLimits &limits);

// What committing a typed RX or TX text does:
//   blank (after trimming)  -> empty; the caller clears the channel or its TX
//   not a plain number      -> bandUpper, NotNumber (shown as OutRange)
//   outside the model       -> bandUpper / bandLower, OutOfModel (ErrRange only)
//   outside the band only   -> kept, OutOfBand (OutRange)
// then the value is cut onto the channel step (RoundToStep) and formatted:
// "446.0031" -> 446.00000. Each case reports once; NotNumber is never
// followed by a second message, even for a band reaching beyond its model
// (the value is then still pulled inside the model).
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

#pragma once
// Fills the channel table from CSV records the way typing into the table
// would: frequencies through the range check and the channel step, new-
// channel defaults for the columns the file does not have, tones through
// the tone check, option texts or indexes.
//
// The first record is a header when its first field is not a number; its
// titles (the channel table's, any case) say which column is which, and the
// columns may come in any order. Without a header the ten columns come in
// the table's order. A present but empty TX means no TX frequency; a present
// but empty tone or option takes the new-channel default; a row with an
// empty RX stays empty.

#include "cli/Csv.h"

#include <QStringList>

struct TWorkspace;

struct TImportReport {
    QStringList errors;   // "line 4: ..."; any error means nothing may be written
    QStringList warnings; // kept values worth a word (outside the band)
};

// Fills ws.Channels (already reset for the current model) from records.
TImportReport ImportChannels(const QList<TCsvRecord> &records, TWorkspace &ws);

#pragma once
// The message table: every message text the program shows, each field named
// after its key in section "Language" of a language file. The built-in texts
// are Chinese; a language file replaces them.

#include <QString>
#include <span>

struct TLanguage {
    QString Confirmation; // caption of every message box but the range messages
    QString ExitProgram;
    QString SaveProgram;
    QString Channel;
    QString Info;
    QString OutRange;
    QString Caution;      // caption of the frequency range messages
    QString FChBigT;
    QString Close;
    QString Open;
    QString ComError;
    QString ModError;
    QString ClearData;
    QString Modforce;
    QString All;
    QString ErrRange;
    QString ModelType;
    QString Frequency;
    QString ReadOk;
    QString WriteOk;
    QString LPortError;
    QString BadFile;      // a data file shorter than its layout
    QString VerifyError;  // read-back after a write differs; %1 is the block address
};

// One row of the message key table: the key in the language file, the field
// it fills and the built-in text used when the file or the key is missing.
struct TMessageKey {
    const char *key;
    QString TLanguage::*field;
    const char16_t *builtIn;
};

// The message keys in declaration order (the 21 keys of the radio family's
// language files, then BadFile and VerifyError).
std::span<const TMessageKey> MessageKeys();

// Fills every field of table with its built-in text.
void SetBuiltInMessages(TLanguage &table);

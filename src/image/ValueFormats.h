#pragma once
// Text forms and byte encodings of frequencies and tones. Frequencies travel
// as texts "0.00000" (MHz, always "." whatever the user's locale); tones as
// "67.0", "D023N", "D754I" or the empty text for no tone.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// "446.00625": five decimals, "." as separator.
QString FrequencyText(double mhz);
// The frequency in 10 Hz units as exactly eight digits: 27.5 -> "02750000".
QString TenHzCount(double mhz);
// Reads a typed frequency ("446.00625", " 446 ", "446.", ".5"): blanks at
// both ends are ignored, an optional sign, digits and at most one ".".
// "." whatever the user's locale; no group separators, no exponent, no
// "inf"/"nan". Empty for anything that is not such a plain number.
std::optional<double> ParseFrequency(const QString &text);

// Four-byte packed BCD field, least significant pair first:
// 25 06 60 44 = 446.00625 MHz, 00 00 75 02 = 27.5 MHz. Never validates: a
// count of more than eight digits (1000 MHz and above) keeps its last eight.
void EncodeFrequencyField(double mhz, uint8_t *field4);
// Empty when any nibble is A..F (FF FF FF FF among them): no frequency.
std::optional<double> DecodeFrequencyField(const uint8_t *field4);

// Two-byte tone code, low byte first: "67.0" -> 70 06, "D023N" -> 23 80,
// "D754I" -> 54 C7, empty text -> FF FF. A text starting with "D" is a DCS
// code whose fifth character "I"/"i" means inverted (anything else normal);
// any other text is read as hertz. Never validates, but a text that is not
// a number is stored as no tone (FF FF) rather than as noise.
void EncodeToneCode(const QString &tone, uint8_t *code2);
// FF FF gives the empty text; a high nibble 8 gives "D...N", C gives
// "D...I"; four decimal digits give tenths of hertz ("67.0"). Returns false,
// leaving tone as it was, for any other code (23 FF, for one).
bool DecodeToneCode(const uint8_t *code2, QString &tone);

// Cuts a frequency down onto the channel step grid: 5 kHz for a whole
// kilohertz, 6.25 kHz otherwise. 446.007 -> 446.005; 145.1234 -> 145.11875.
// Never rounds up. A value already on the grid comes back as passed.
double RoundToStep(double mhz);
// Normalises a typed tone: "" stays "". A text starting with a digit is read
// as a number, clamped to 30..290 and formatted "0.0" ("25" -> "30.0"; one
// that does not read, "6x", -> "290.0"). "D" + three octal digits + N/I/n/i
// stays as typed; anything else (d023N, D028N, D0235) becomes "D777N".
QString CheckToneText(const QString &typed);

// The 206 entries of a tone list: noneText, 39 CTCSS tones, 83 DCS codes
// with N, the same 83 with I.
QStringList ToneList(const QString &noneText);
// The 39 CTCSS tones and the 83 DCS codes (digits only, "023" .. "754").
const QStringList &CtcssTones();
const QStringList &DcsCodes();

// One character per byte (Latin-1), every value 0x00..0xFF included.
QString BytesToText(const uint8_t *bytes, int count);
// Reads a text of "0" and "1" as a binary number: "10110" -> "22".
QString BitTextToNumber(const QString &bits);
QString ReverseText(const QString &text);

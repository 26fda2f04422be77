#pragma once
// The fixed catalogue of radio models and frequency bands. Built once at
// start-up (BuildBandList, then BuildCatalogue) and never changed afterwards.

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

struct TALL;

// One radio model: how many channels it has, which frequencies it accepts,
// how its memory is laid out beyond the channels and which bands it offers.
class TMacType {
public:
    TMacType(const QString &code, int channelCount, const QString &name);

    void SetLimits(double upper, double lower);
    void SetExtraBlocks(int count);
    void AddBand(const QString &bandText);
    void SetDefaultBand(const QString &bandText);

    QString Code;          // four characters, as the radio reports it: "6842"
    QString Name;          // "Orvel(UHF)"
    int ChannelCount = 0;
    double UpperLimit = 0; // MHz
    double LowerLimit = 0; // MHz
    QStringList Bands;     // spelled exactly like entries of the band list
    int ExtraBlocks = 0;   // blocks after the channel blocks (blank in a data file)
    QString DefaultBand;
};

// The model list: records in the order they were added, never removed, so a
// pointer to a record stays valid for the life of the list.
class TMacList {
public:
    TMacList() = default;
    TMacList(const TMacList &) = delete;
    TMacList &operator=(const TMacList &) = delete;

    void Add(std::unique_ptr<TMacType> model);
    int Count() const;
    // None (nullptr) for a position outside 0 .. Count() - 1.
    const TMacType *Item(int position) const;
    // Exact, case-sensitive matches; the first record wins; none when absent.
    const TMacType *FindByName(const QString &name) const;
    const TMacType *FindByCode(const QString &code) const;
    // Empties names, then appends every model name in catalogue order.
    void GetNames(QStringList &names) const;

private:
    std::vector<std::unique_ptr<TMacType>> m_models;
};

// The band list: (band text, one-byte band code 240..253) pairs in order.
// Both look-ups fall back to the entry at position 0 (" 27 -  72MHz", 253).
class TFrqList {
public:
    void Add(const QString &bandText, int bandCode);
    int Count() const;
    int CodeOf(const QString &bandText) const;
    QString TextOf(int bandCode) const;
    QString TextAt(int position) const;

private:
    struct Entry {
        QString text;
        int code;
    };
    std::vector<Entry> m_entries;
};

// Adds the fourteen bands of the radio family, in their fixed order.
void BuildBandList(TFrqList &bands);
// Adds the two catalogue models and sets all.ProductTitle to "Orvel".
void BuildCatalogue(TMacList &models, TALL &all);

// Splits "450 - 470MHz" into 450 and 470. Returns false (and sets both to 0)
// for a text without "-" or "MHz" or whose parts are not numbers.
bool ParseBandText(const QString &bandText, double &lower, double &upper);

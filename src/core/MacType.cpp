#include "core/MacType.h"

#include "core/AppState.h"

TMacType::TMacType(const QString &code, int channelCount, const QString &name)
    : Code(code), Name(name), ChannelCount(channelCount)
{
}

void TMacType::SetLimits(double upper, double lower)
{
    UpperLimit = upper;
    LowerLimit = lower;
}

void TMacType::SetExtraBlocks(int count)
{
    ExtraBlocks = count;
}

void TMacType::AddBand(const QString &bandText)
{
    Bands.append(bandText);
}

void TMacType::SetDefaultBand(const QString &bandText)
{
    DefaultBand = bandText;
}

void TMacList::Add(std::unique_ptr<TMacType> model)
{
    m_models.push_back(std::move(model));
}

int TMacList::Count() const
{
    return int(m_models.size());
}

const TMacType *TMacList::Item(int position) const
{
    if (position < 0 || position >= Count())
        return nullptr;
    return m_models[size_t(position)].get();
}

const TMacType *TMacList::FindByName(const QString &name) const
{
    for (const auto &m : m_models)
        if (m->Name == name)
            return m.get();
    return nullptr;
}

const TMacType *TMacList::FindByCode(const QString &code) const
{
    for (const auto &m : m_models)
        if (m->Code == code)
            return m.get();
    return nullptr;
}

void TMacList::GetNames(QStringList &names) const
{
    names.clear();
    for (const auto &m : m_models)
        names.append(m->Name);
}

void TFrqList::Add(const QString &bandText, int bandCode)
{
    m_entries.push_back({bandText, bandCode});
}

int TFrqList::Count() const
{
    return int(m_entries.size());
}

int TFrqList::CodeOf(const QString &bandText) const
{
    for (const Entry &e : m_entries)
        if (e.text == bandText)
            return e.code;
    return m_entries.empty() ? 0 : m_entries.front().code;
}

QString TFrqList::TextOf(int bandCode) const
{
    for (const Entry &e : m_entries)
        if (e.code == bandCode)
            return e.text;
    return m_entries.empty() ? QString() : m_entries.front().text;
}

QString TFrqList::TextAt(int position) const
{
    if (position < 0 || position >= Count())
        return {};
    return m_entries[size_t(position)].text;
}

namespace {

struct BandRow {
    const char *text;
    int code;
};

// The band list. The first entry belongs to no model: it is what both
// look-ups fall back to.
const BandRow kBands[] = {
    {" 27 -  72MHz", 0xFD}, {"136 - 150MHz", 0xF1}, {"136 - 174MHz", 0xF2},
    {"150 - 174MHz", 0xF0}, {"216 - 223MHz", 0xF3}, {"350 - 370MHz", 0xFA},
    {"350 - 390MHz", 0xFB}, {"370 - 390MHz", 0xFC}, {"400 - 420MHz", 0xF8},
    {"400 - 470MHz", 0xF7}, {"440 - 480MHz", 0xF9}, {"450 - 470MHz", 0xF4},
    {"450 - 490MHz", 0xF5}, {"470 - 650MHz", 0xF6},
};

struct ModelRow {
    const char *code;
    const char *name;
    int channelCount;
    double upper;
    double lower;
    QStringList bands;
    const char *defaultBand;
};

constexpr int kExtraBlocks = 39;

} // namespace

void BuildBandList(TFrqList &bands)
{
    for (const BandRow &b : kBands)
        bands.Add(QString::fromLatin1(b.text), b.code);
}

void BuildCatalogue(TMacList &models, TALL &all)
{
    const ModelRow rows[] = {
        {"6842", "Orvel(UHF)", 16, 650.0, 300.0,
         {"350 - 370MHz", "350 - 390MHz", "370 - 390MHz", "400 - 420MHz", "400 - 470MHz",
          "440 - 480MHz", "450 - 470MHz", "450 - 490MHz", "470 - 650MHz"},
         "450 - 470MHz"},
        {"6841", "Orvel(VHF)", 16, 300.0, 67.0,
         {"136 - 150MHz", "136 - 174MHz", "150 - 174MHz", "216 - 223MHz"},
         "150 - 174MHz"},
    };
    for (const ModelRow &r : rows) {
        auto m = std::make_unique<TMacType>(QString::fromLatin1(r.code), r.channelCount,
                                            QString::fromLatin1(r.name));
        m->SetLimits(r.upper, r.lower);
        m->SetExtraBlocks(kExtraBlocks);
        for (const QString &band : r.bands)
            m->AddBand(band);
        m->SetDefaultBand(QString::fromLatin1(r.defaultBand));
        models.Add(std::move(m));
    }
    all.ProductTitle = QStringLiteral("Orvel");
}

bool ParseBandText(const QString &bandText, double &lower, double &upper)
{
    lower = upper = 0;
    const qsizetype p = bandText.indexOf(u'-');
    if (p < 0)
        return false;
    const QString rest = bandText.mid(p + 1);
    const qsizetype q = rest.indexOf(u"MHz");
    if (q < 0)
        return false;
    bool okLower = false, okUpper = false;
    const double lo = bandText.left(p).trimmed().toDouble(&okLower);
    const double hi = rest.left(q).trimmed().toDouble(&okUpper);
    if (!okLower || !okUpper)
        return false;
    lower = lo;
    upper = hi;
    return true;
}

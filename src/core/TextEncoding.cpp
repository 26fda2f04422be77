#include "core/TextEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

#ifdef ORVEL_HAVE_ICONV
#include <cerrno>
#include <iconv.h>
#endif

namespace {

#ifdef ORVEL_HAVE_ICONV

// Windows calls its GBK "CP936"; iconv implementations know one name or the
// other.
constexpr const char *kGbkNames[] = {"CP936", "GBK"};

// Some iconv implementations declare the input as const char **, others as
// char **; the cast adapts to whichever this one declares.
template <typename In>
size_t CallIconv(size_t (*fn)(iconv_t, In, size_t *, char **, size_t *), iconv_t cd,
                 char **in, size_t *inLeft, char **out, size_t *outLeft)
{
    return fn(cd, (In)in, inLeft, out, outLeft);
}

// An open conversion descriptor between UTF-8 and GBK, closed when the
// object goes.
class TIconv {
public:
    enum Direction { FromGbk, ToGbk };

    explicit TIconv(Direction direction)
    {
        for (const char *gbk : kGbkNames) {
            m_cd = direction == ToGbk ? iconv_open(gbk, "UTF-8") : iconv_open("UTF-8", gbk);
            if (ok())
                break;
        }
    }
    ~TIconv()
    {
        if (ok())
            iconv_close(m_cd);
    }
    TIconv(const TIconv &) = delete;
    TIconv &operator=(const TIconv &) = delete;

    bool ok() const { return m_cd != iconv_t(-1); }

    // Converts all of input. On an invalid or incomplete sequence either
    // stops (result none) or, when substitute is given, appends it and
    // goes on with the next byte.
    std::optional<QByteArray> Convert(QByteArrayView input, const QByteArray *substitute)
    {
        QByteArray out;
        char *in = const_cast<char *>(input.data());
        size_t inLeft = size_t(input.size());
        char buffer[256];
        while (inLeft > 0) {
            char *o = buffer;
            size_t oLeft = sizeof buffer;
            const size_t r = CallIconv(&iconv, m_cd, &in, &inLeft, &o, &oLeft);
            out.append(buffer, qsizetype(o - buffer));
            if (r != size_t(-1) || errno == E2BIG)
                continue;
            if (!substitute)
                return std::nullopt;
            out.append(*substitute);
            ++in;
            --inLeft;
            CallIconv(&iconv, m_cd, nullptr, nullptr, nullptr, nullptr); // reset shift state
        }
        return out;
    }

private:
    iconv_t m_cd = iconv_t(-1);
};

#endif

QString DecodeGbk(QByteArrayView bytes)
{
#ifdef ORVEL_HAVE_ICONV
    TIconv cd(TIconv::FromGbk);
    if (cd.ok()) {
        const QByteArray replacement("\xEF\xBF\xBD"); // U+FFFD in UTF-8
        return QString::fromUtf8(*cd.Convert(bytes, &replacement));
    }
#endif
    return QString::fromLatin1(bytes);
}

std::optional<QByteArray> EncodeGbk(const QString &text)
{
#ifdef ORVEL_HAVE_ICONV
    TIconv cd(TIconv::ToGbk);
    if (cd.ok())
        return cd.Convert(text.toUtf8(), nullptr);
#endif
    for (QChar c : text)
        if (c.unicode() > 0xFF)
            return std::nullopt;
    return text.toLatin1();
}

} // namespace

TTextEncoding DetectEncoding(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // The decoder works when its result is turned into a QString.
    const QString decoded = utf8.decode(bytes);
    return utf8.hasError() ? TTextEncoding::Gbk : TTextEncoding::Utf8;
}

QString DecodeText(QByteArrayView bytes, TTextEncoding encoding)
{
    if (encoding == TTextEncoding::Gbk)
        return DecodeGbk(bytes);
    return QString::fromUtf8(bytes);
}

std::optional<QByteArray> EncodeText(const QString &text, TTextEncoding encoding)
{
    if (encoding == TTextEncoding::Gbk)
        return EncodeGbk(text);
    QStringEncoder utf8(QStringEncoder::Utf8);
    QByteArray out = utf8.encode(text);
    if (utf8.hasError()) // a lone surrogate
        return std::nullopt;
    return out;
}

bool GbkSupported()
{
#ifdef ORVEL_HAVE_ICONV
    TIconv cd(TIconv::FromGbk);
    return cd.ok();
#else
    return false;
#endif
}

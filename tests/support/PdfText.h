#pragma once
// Reading a written PDF back in tests through poppler's command-line tools:
// its page count and metadata, and the text of a page as laid out. Every
// run is bounded; a tool that is missing or fails gives empty results, so
// tests check HavePdfTools() first and skip without them.

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

inline bool HavePdfTools()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

inline QString RunPdfTool(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60'000) || process.exitCode() != 0) {
        process.kill();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The value pdfinfo gives for key ("Pages", "Title"), empty when none.
inline QString PdfInfo(const QString &pdf, const QString &key)
{
    const QStringList lines = RunPdfTool(QStringLiteral("pdfinfo"), {pdf}).split(u'\n');
    for (const QString &line : lines)
        if (line.startsWith(key + u':'))
            return line.mid(key.size() + 1).trimmed();
    return {};
}

// -1 when pdfinfo cannot tell.
inline int PdfPages(const QString &pdf)
{
    bool ok = false;
    const int pages = PdfInfo(pdf, QStringLiteral("Pages")).toInt(&ok);
    return ok ? pages : -1;
}

// The CJK fonts draw an ideograph such as 示 and the radical ⽰ with one
// glyph, and the PDF maps that glyph back to the radical; the radicals are
// folded back into the ideographs they look like. Nothing else is folded, so
// a ligature in place of letters still shows.
inline QString FoldRadicals(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= 0x2E80 && c <= 0x2FDF) {
            const QString folded = QString(text.at(i)).normalized(QString::NormalizationForm_KC);
            if (folded.size() == 1)
                text[i] = folded.at(0);
        }
    }
    return text;
}

// The text of page (from 1) as laid out; 0 for every page.
inline QString PdfPageText(const QString &pdf, int page = 0)
{
    QStringList args{QStringLiteral("-layout")};
    if (page > 0) {
        const QString n = QString::number(page);
        args << QStringLiteral("-f") << n << QStringLiteral("-l") << n;
    }
    args << pdf << QStringLiteral("-");
    return FoldRadicals(RunPdfTool(QStringLiteral("pdftotext"), args));
}

// The first of parts that text does not show after the ones before it;
// empty when all come in order.
inline QString MissingInOrder(const QString &text, const QStringList &parts)
{
    qsizetype from = 0;
    for (const QString &part : parts) {
        const qsizetype at = text.indexOf(part.trimmed(), from);
        if (at < 0)
            return part;
        from = at + part.trimmed().size();
    }
    return {};
}

// The last line with text on it, trimmed: on a report page, its number.
inline QString LastLine(const QString &text)
{
    const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    for (auto it = lines.crbegin(); it != lines.crend(); ++it)
        if (!it->trimmed().isEmpty())
            return it->trimmed();
    return {};
}

#include "core/IniFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

#ifdef Q_OS_WIN
const QByteArray kNativeEol("\r\n");
#else
const QByteArray kNativeEol("\n");
#endif

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Only blanks and tabs count: a full-width space inside a Chinese value is
// part of the value.
QString TrimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

bool IsBlankLine(const QByteArray &bytes)
{
    for (char c : bytes)
        if (c != ' ' && c != '\t')
            return false;
    return true;
}

bool IsQuoted(const QString &text)
{
    return text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'')
        && text.back() == text.front();
}

QString Unquote(const QString &text)
{
    return IsQuoted(text) ? text.mid(1, text.size() - 2) : text;
}

bool HasLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

// Why section, key and value cannot be written so that they read back as
// the same section, key and value; empty when they can.
QString WriteProblem(const QString &section, const QString &key, const QString &value)
{
    const auto badName = [](const QString &name) {
        return name.isEmpty() || HasLineBreak(name) || TrimBlanks(name) != name;
    };
    if (badName(section) || section.contains(u']'))
        return QStringLiteral("The section name \"%1\" cannot be written").arg(section);
    if (badName(key) || key.contains(u'=') || key.startsWith(u';') || key.startsWith(u'['))
        return QStringLiteral("The key name \"%1\" cannot be written").arg(key);
    if (HasLineBreak(value))
        return QStringLiteral("The value of %1 holds a line break").arg(key);
    return {};
}

} // namespace

TIniFile::TIniFile(const QString &path) : m_path(path), m_eol(kNativeEol) {}

bool TIniFile::Load()
{
    m_lines.clear();
    m_error.clear();
    m_readFailed = false;
    m_bom = false;
    m_encoding = TTextEncoding::Utf8;
    m_eol = kNativeEol;

    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        m_readFailed = true;
        return Fail(QStringLiteral("Unable to read %1").arg(QDir::toNativeSeparators(m_path)));
    }
    Parse(file.readAll());
    return true;
}

void TIniFile::Parse(const QByteArray &content)
{
    QByteArrayView body(content);
    m_bom = body.startsWith(kUtf8Bom);
    if (m_bom)
        body = body.sliced(kUtf8Bom.size());
    m_encoding = DetectEncoding(body);

    // CR and LF never occur inside a UTF-8 or GBK character, so the bytes
    // can be split before decoding.
    bool eolSeen = false;
    qsizetype start = 0;
    const qsizetype size = body.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && body[end] != '\r' && body[end] != '\n')
            ++end;
        qsizetype next = end;
        if (next < size && body[next] == '\r')
            ++next;
        if (next < size && body[next] == '\n')
            ++next;
        const QByteArray eol = body.sliced(end, next - end).toByteArray();
        if (!eolSeen && !eol.isEmpty()) {
            m_eol = eol;
            eolSeen = true;
        }
        m_lines.push_back(MakeLine(body.sliced(start, end - start).toByteArray(), eol));
        start = next;
    }
}

TIniFile::Line TIniFile::MakeLine(const QByteArray &bytes, const QByteArray &eol) const
{
    Line line;
    line.bytes = bytes;
    line.eol = eol;
    const QString text = DecodeText(bytes, m_encoding);
    const QString trimmed = TrimBlanks(text);
    if (trimmed.startsWith(u';'))
        return line;
    if (trimmed.startsWith(u'[')) {
        const qsizetype close = trimmed.indexOf(u']');
        line.kind = Line::Section;
        line.name = TrimBlanks(trimmed.mid(1, close < 0 ? -1 : close - 1));
        return line;
    }
    const qsizetype eq = text.indexOf(u'=');
    if (eq < 0)
        return line;
    line.name = TrimBlanks(text.left(eq));
    if (line.name.isEmpty())
        return line;
    line.kind = Line::Key;
    line.value = Unquote(TrimBlanks(text.mid(eq + 1)));
    return line;
}

qsizetype TIniFile::FindSection(const QString &section) const
{
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Line &l = m_lines[i];
        if (l.kind == Line::Section && l.name.compare(section, Qt::CaseInsensitive) == 0)
            return qsizetype(i);
    }
    return -1;
}

qsizetype TIniFile::SectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < qsizetype(m_lines.size()) && m_lines[size_t(i)].kind != Line::Section)
        ++i;
    return i;
}

qsizetype TIniFile::FindKey(qsizetype header, const QString &key) const
{
    const qsizetype end = SectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const Line &l = m_lines[size_t(i)];
        if (l.kind == Line::Key && l.name.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    if (key.isEmpty())
        return def;
    const qsizetype header = FindSection(section);
    if (header < 0)
        return def;
    const qsizetype at = FindKey(header, key);
    return at < 0 ? def : m_lines[size_t(at)].value;
}

bool TIniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    m_error.clear();
    if (const QString problem = WriteProblem(section, key, value); !problem.isEmpty())
        return Fail(problem);

    // Quoting keeps blanks at the ends and enclosing quotes of the value
    // itself: reading removes exactly the pair added here.
    const bool quote = TrimBlanks(value) != value || IsQuoted(value);
    const auto valueBytes = EncodeText(quote ? u'"' + value + u'"' : value, m_encoding);
    const auto keyBytes = EncodeText(key + u'=', m_encoding);
    const auto headerBytes = EncodeText(u'[' + section + u']', m_encoding);
    if (!valueBytes || !keyBytes || !headerBytes)
        return Fail(QStringLiteral("%1 cannot hold the text of %2")
                        .arg(QDir::toNativeSeparators(m_path), key));

    const qsizetype header = FindSection(section);
    if (header < 0) {
        InsertLine(qsizetype(m_lines.size()), *headerBytes);
        InsertLine(qsizetype(m_lines.size()), *keyBytes + *valueBytes);
        return true;
    }
    const qsizetype at = FindKey(header, key);
    if (at >= 0) {
        // The name, the "=" and the blanks after it stay as they were.
        Line &line = m_lines[size_t(at)];
        qsizetype keep = line.bytes.indexOf('=') + 1;
        while (keep < line.bytes.size() && (line.bytes[keep] == ' ' || line.bytes[keep] == '\t'))
            ++keep;
        line = MakeLine(line.bytes.left(keep) + *valueBytes, line.eol);
        return true;
    }
    // After the section's last line that is not blank, so the blank lines
    // that separate it from the next section stay between them.
    qsizetype pos = SectionEnd(header);
    while (pos - 1 > header && IsBlankLine(m_lines[size_t(pos - 1)].bytes))
        --pos;
    InsertLine(pos, *keyBytes + *valueBytes);
    return true;
}

void TIniFile::InsertLine(qsizetype at, const QByteArray &bytes)
{
    if (at > 0 && m_lines[size_t(at - 1)].eol.isEmpty())
        m_lines[size_t(at - 1)].eol = m_eol;
    m_lines.insert(m_lines.begin() + at, MakeLine(bytes, m_eol));
}

bool TIniFile::Save()
{
    return SaveAs(m_path);
}

bool TIniFile::SaveAs(const QString &path)
{
    const QString failure = QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path));
    if (m_readFailed)
        return Fail(failure);
    QByteArray content;
    if (m_bom)
        content += kUtf8Bom;
    for (const Line &l : m_lines)
        content += l.bytes + l.eol;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return Fail(failure);
    m_error.clear();
    return true;
}

bool TIniFile::Fail(const QString &error)
{
    m_error = error;
    return false;
}

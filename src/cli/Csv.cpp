#include "cli/Csv.h"

bool ParseCsv(const QString &text, QList<TCsvRecord> &records, QString &error)
{
    records.clear();
    qsizetype i = text.startsWith(QChar(0xFEFF)) ? 1 : 0;
    const qsizetype n = text.size();
    int line = 1;
    while (i < n) {
        TCsvRecord record;
        record.line = line;
        QString field;
        bool quotedField = false;
        bool endOfRecord = false;
        while (!endOfRecord) {
            if (i < n && text[i] == u'"' && field.isEmpty() && !quotedField) {
                quotedField = true;
                ++i;
                for (;;) {
                    if (i >= n) {
                        error = QStringLiteral("line %1: a quoted field has no closing quote").arg(record.line);
                        return false;
                    }
                    const QChar c = text[i++];
                    if (c == u'"') {
                        if (i < n && text[i] == u'"') {
                            field += u'"';
                            ++i;
                            continue;
                        }
                        break;
                    }
                    if (c == u'\n')
                        ++line;
                    field += c;
                }
                continue;
            }
            if (i >= n) {
                endOfRecord = true;
            } else if (text[i] == u',') {
                record.fields.append(field);
                field.clear();
                quotedField = false;
                ++i;
                continue;
            } else if (text[i] == u'\r' || text[i] == u'\n') {
                if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                    ++i;
                ++i;
                ++line;
                endOfRecord = true;
            } else {
                field += text[i++];
                continue;
            }
        }
        record.fields.append(field);
        const bool blank = record.fields.size() == 1 && record.fields[0].isEmpty() && !quotedField;
        if (!blank)
            records.append(record);
    }
    return true;
}

QString CsvLine(const QStringList &fields)
{
    QStringList out;
    for (const QString &f : fields) {
        if (f.contains(u',') || f.contains(u'"') || f.contains(u'\n') || f.contains(u'\r'))
            out.append(u'"' + QString(f).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"');
        else
            out.append(f);
    }
    return out.join(u',');
}

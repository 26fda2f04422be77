#pragma once
// Comma-separated values as spreadsheets write them: fields with a comma,
// a quote or a line break are quoted, quotes doubled; CRLF or LF line ends;
// a UTF-8 byte order mark at the start is skipped.

#include <QList>
#include <QString>
#include <QStringList>

struct TCsvRecord {
    int line = 0;       // line of the file where the record starts, from 1
    QStringList fields;
};

// Splits text into records. Blank lines give no record. Returns false with
// an error (naming the line) for a quoted field that never ends.
bool ParseCsv(const QString &text, QList<TCsvRecord> &records, QString &error);

// One record as a line, without the line end.
QString CsvLine(const QStringList &fields);

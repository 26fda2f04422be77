#pragma once
// An INI file read and written with the rules of the Windows private-profile
// functions, which the settings file and the language files were made for:
//
//   [Section]            section and key names match without regard to case
//   Key = "value"        the value is the text after the first "=", blanks
//                        trimmed at both ends, one pair of enclosing quotes
//                        ("" or '') removed
//   ; comment            never a key
//
// A missing file, section or key reads as the caller's default; when a name
// occurs twice the first occurrence counts. Writing a key changes only its
// own line (or adds one line, or a section header and one line) and keeps
// every other byte of the file as it was: line endings, comments, the
// encoding (UTF-8 with or without BOM, or GBK) and lines that do not decode
// cleanly. Added lines take the file's own line ending.
//
// Load once, read or write many keys, Save once. Save replaces the file as a
// whole (temporary file, then rename), so a failed save leaves the old file.

#include "core/TextEncoding.h"

#include <QByteArray>
#include <QString>
#include <vector>

class TIniFile {
public:
    explicit TIniFile(const QString &path);

    // Reads the file. A missing file is an empty document (true). False when
    // the file exists but cannot be read; the document is then empty, so
    // reads give their defaults, and Save refuses to replace the file.
    bool Load();

    QString ReadString(const QString &section, const QString &key, const QString &def) const;

    // Sets key in section, adding the key or the section when missing. False,
    // with ErrorString, for a name that cannot be written as an INI name
    // (empty, a line break, surrounding blanks, "=" or a leading ";" or "["
    // in a key, "]" in a section), a value with a line break, or a character
    // the file's encoding cannot hold; the document is then unchanged.
    // A value that would lose blanks or quotes on reading is quoted.
    bool WriteString(const QString &section, const QString &key, const QString &value);

    // Writes the document to the file it was loaded from, or to path. False
    // with ErrorString "Unable to write to <path>" when that fails, and
    // always after a failed Load (the document is not the file's content).
    bool Save();
    bool SaveAs(const QString &path);

    QString FileName() const { return m_path; }
    QString ErrorString() const { return m_error; }
    TTextEncoding Encoding() const { return m_encoding; }

private:
    struct Line {
        enum Kind { Other, Section, Key };
        QByteArray bytes; // the line as stored, without its terminator
        QByteArray eol;   // "\r\n", "\n", "\r", or empty on a last line
        Kind kind = Other;
        QString name;     // section or key name
        QString value;    // key value as read
    };

    void Parse(const QByteArray &content);
    Line MakeLine(const QByteArray &bytes, const QByteArray &eol) const;
    // Index of the first section header named section, or -1.
    qsizetype FindSection(const QString &section) const;
    // One past the last line of the section whose header is at index header.
    qsizetype SectionEnd(qsizetype header) const;
    qsizetype FindKey(qsizetype header, const QString &key) const;
    // Inserts a line before index at, ending the line before it first when
    // that one is the last line without a terminator.
    void InsertLine(qsizetype at, const QByteArray &bytes);
    bool Fail(const QString &error);

    QString m_path;
    QString m_error;
    std::vector<Line> m_lines;
    TTextEncoding m_encoding = TTextEncoding::Utf8;
    bool m_bom = false;
    bool m_readFailed = false;
    QByteArray m_eol; // for added lines
};

#pragma once
// Text files of the program (settings and language files) come either from a
// UTF-8 system or from a Chinese Windows, where they are GBK. The encoding is
// told from the bytes: whatever is valid UTF-8 is taken as UTF-8, the rest as
// GBK. Without iconv (a build that lacks it) GBK falls back to Latin-1, which
// at least round-trips every byte unchanged.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

enum class TTextEncoding {
    Utf8,
    Gbk,
};

// UTF-8 when bytes are valid UTF-8 (pure ASCII included), otherwise GBK.
TTextEncoding DetectEncoding(QByteArrayView bytes);

// Never fails: bytes that are not valid in the encoding become U+FFFD.
QString DecodeText(QByteArrayView bytes, TTextEncoding encoding);

// None when text holds a character the encoding cannot represent; a silent
// substitute would corrupt the value on its way into the file.
std::optional<QByteArray> EncodeText(const QString &text, TTextEncoding encoding);

// Whether GBK is really converted (iconv present and knows GBK) rather than
// read as Latin-1.
bool GbkSupported();

#pragma once

#include <QByteArray>
#include <QString>

// Every file the program reads or writes is GBK; inside the program texts are UTF-16.
namespace pentad::text {

QByteArray toGbk(const QString& text);

// Decodes GBK bytes. `ok` (optional) turns false when the bytes are not valid GBK;
// the text returned then holds replacement characters in their place.
QString fromGbk(const QByteArray& bytes, bool* ok = nullptr);

// Decodes a file the user may have written with another editor: UTF-8 when the bytes are
// valid UTF-8 (GBK texts with Chinese characters practically never are), else GBK. `ok`
// turns false when they are neither.
QString decodeText(const QByteArray& bytes, bool* ok = nullptr);

// Length of a text as the GBK byte count (a Chinese character counts two).
qsizetype gbkLength(const QString& text);

} // namespace pentad::text

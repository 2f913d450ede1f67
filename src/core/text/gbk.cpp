#include "text/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace pentad::text {

QByteArray toGbk(const QString& text) {
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

namespace {

// The converter quietly maps some byte pairs outside GBK (0xFF, say) to private-use
// characters, so the byte structure is checked here: ASCII, or a lead byte 0x81-0xFE
// followed by a trail byte 0x40-0xFE other than 0x7F.
bool hasGbkStructure(const QByteArray& bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80)
            continue;
        if (lead == 0x80 || lead == 0xFF || i + 1 >= bytes.size())
            return false;
        const auto trail = static_cast<unsigned char>(bytes[++i]);
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF)
            return false;
    }
    return true;
}

} // namespace

QString fromGbk(const QByteArray& bytes, bool* ok) {
    QStringDecoder decoder("GBK");
    QString text = decoder.decode(bytes);
    if (ok)
        *ok = !decoder.hasError() && hasGbkStructure(bytes);
    return text;
}

QString decodeText(const QByteArray& bytes, bool* ok) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (ok)
            *ok = true;
        return text;
    }
    return fromGbk(bytes, ok);
}

qsizetype gbkLength(const QString& text) { return toGbk(text).size(); }

} // namespace pentad::text

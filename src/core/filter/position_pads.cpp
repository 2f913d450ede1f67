#include "filter/position_pads.h"

#include <bit>

namespace pentad::filter {

attr::DigitMask padMask(const QString& text) {
    attr::DigitMask mask = 0;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9')
            mask = static_cast<attr::DigitMask>(mask | (1u << (c.unicode() - u'0')));
    return mask;
}

QString toggleDigit(const QString& text, int digit) {
    const QChar c(u'0' + digit);
    QString result = text;
    if (result.contains(c))
        result.remove(c);
    else
        result += c;
    return result;
}

QString applyQuickChoice(const QString& text, QuickChoice choice) {
    switch (choice) {
    case QuickChoice::None:
        return text;
    case QuickChoice::All:
        return kAllDigits;
    case QuickChoice::Clear:
        return QString();
    case QuickChoice::Invert: {
        const attr::DigitMask selected = padMask(text);
        QString inverted;
        for (int d = 0; d < 10; ++d)
            if (!attr::inMask(selected, d))
                inverted += QChar(u'0' + d);
        return inverted;
    }
    case QuickChoice::Odd:
        return QStringLiteral("13579");
    case QuickChoice::Even:
        return QStringLiteral("02468");
    case QuickChoice::Big:
        return QStringLiteral("56789");
    case QuickChoice::Small:
        return QStringLiteral("01234");
    }
    return text;
}

bool acceptsTypedDigit(const QString& text, QChar key) {
    return key >= u'0' && key <= u'9' && !text.contains(key);
}

std::size_t candidateCount(const std::array<QString, 5>& pads) {
    std::size_t count = 1;
    for (const QString& pad : pads)
        count *= static_cast<std::size_t>(std::popcount(padMask(pad)));
    return count;
}

} // namespace pentad::filter

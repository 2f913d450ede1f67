#include "attributes/group_forms.h"

namespace pentad::attr {

QString size3GroupText(int group) {
    return QStringLiteral("%1小%2中%3大").arg(group / 100).arg(group / 10 % 10).arg(group % 10);
}

QString routeGroupText(int group) {
    return QStringLiteral("%1:%2:%3").arg(group / 100).arg(group / 10 % 10).arg(group % 10);
}

DigitMask digitMaskOf(QStringView text) {
    DigitMask mask = 0;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9')
            mask = static_cast<DigitMask>(mask | (1u << (c.unicode() - u'0')));
    return mask;
}

} // namespace pentad::attr

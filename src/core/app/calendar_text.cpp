#include "app/calendar_text.h"

namespace pentad::app {

QString dateAndWeekdayText(const QDate& day, const QString& shortDate) {
    static const QString weekdays = QStringLiteral("日一二三四五六");
    return shortDate + QStringLiteral("   星期") + weekdays[day.dayOfWeek() % 7];
}

} // namespace pentad::app

#pragma once

#include <QDate>
#include <QString>

namespace pentad::app {

// The start-up day as the status bar shows it: the short date, three blanks, "星期" and
// the weekday character (Sunday first).
QString dateAndWeekdayText(const QDate& day, const QString& shortDate);

} // namespace pentad::app

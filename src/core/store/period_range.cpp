#include "store/period_range.h"

namespace pentad::store {

RangeSelection defaultSelection(RangePair pair, const QStringList& periods) {
    RangeSelection selection;
    if (periods.isEmpty())
        return selection;
    selection.end = static_cast<int>(periods.size() - 1);
    switch (pair) {
    case RangePair::Basic:
        selection.start = static_cast<int>(periods.indexOf(QStringLiteral("2013201")));
        break;
    case RangePair::Advanced:
        selection.start = static_cast<int>(periods.indexOf(QStringLiteral("2013001")));
        break;
    default:
        selection.start = 0;
        break;
    }
    return selection;
}

RangeCorrection correctionAfterStartChange(const QString& start, const QString& end) {
    return start > end ? RangeCorrection::EndToLast : RangeCorrection::None;
}

RangeCorrection correctionAfterEndChange(const QString& start, const QString& end) {
    return start > end ? RangeCorrection::StartToFirst : RangeCorrection::None;
}

RangeFollowUp followUp(RangePair pair) {
    switch (pair) {
    case RangePair::Basic:
        return RangeFollowUp::RebuildBasicPanel;
    case RangePair::Statistics:
    case RangePair::Omission:
        return RangeFollowUp::RefreshCurrentView;
    case RangePair::Advanced:
        return RangeFollowUp::RebuildAdvancedPanel;
    case RangePair::Cool:
    case RangePair::Query:
        break;
    }
    return RangeFollowUp::Nothing;
}

std::optional<PeriodRange> rangeFromTexts(const QString& from, const QString& to, QString* hint) {
    bool fromOk = false;
    bool toOk = false;
    const int fromPeriod = from.toInt(&fromOk);
    const int toPeriod = to.toInt(&toOk);
    if (!fromOk || from.size() != 7) {
        if (hint)
            *hint = QStringLiteral("请先选择起始期号。");
        return std::nullopt;
    }
    if (!toOk || to.size() != 7) {
        if (hint)
            *hint = QStringLiteral("请先选择终止期号。");
        return std::nullopt;
    }
    return PeriodRange{fromPeriod, toPeriod};
}

QString rangeStatusText(const PeriodRange& range, qsizetype drawCount) {
    return QStringLiteral("%1~%2 共 %3 期").arg(range.from).arg(range.to).arg(drawCount);
}

QStringList betPeriods(std::optional<int> newestPeriod, int currentYear) {
    const int base = newestPeriod ? *newestPeriod : currentYear * 1000;
    QStringList periods;
    for (int i = 1; i <= 50; ++i)
        periods << QString::number(base + i);
    return periods;
}

} // namespace pentad::store

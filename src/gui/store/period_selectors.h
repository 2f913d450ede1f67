#pragma once

#include "store/period_range.h"

#include <QObject>

#include <map>
#include <optional>

class QComboBox;
class QWidget;

// The twelve period-range selectors cboFrom1/cboTo1 .. cboFrom8/cboTo8: lists of every stored
// period, oldest first, kept in order by the range rule of their pair.
class PeriodSelectors : public QObject {
    Q_OBJECT
public:
    explicit PeriodSelectors(QObject* parent);

    // "起始期号： [..] 终止期号： [..]" holding the pair's two selectors, in a row or stacked.
    QWidget* makeBar(pentad::store::RangePair pair, QWidget* parent,
                     Qt::Orientation orientation = Qt::Horizontal);

    QComboBox* start(pentad::store::RangePair pair) const;
    QComboBox* end(pentad::store::RangePair pair) const;

    // FillPeriodLists: new lists and the default selections; no rule runs.
    void fill(const QStringList& periodsOldestFirst);

    // The pair's range, or nothing with a hint when a bound is not chosen.
    std::optional<pentad::store::PeriodRange> range(pentad::store::RangePair pair,
                                                    QString* hint) const;

Q_SIGNALS:
    // A selector of the pair was changed by the user and the rule has run.
    void rangeChanged(pentad::store::RangePair pair);

private:
    struct Pair {
        QComboBox* start = nullptr;
        QComboBox* end = nullptr;
    };
    void startChanged(pentad::store::RangePair pair);
    void endChanged(pentad::store::RangePair pair);

    std::map<pentad::store::RangePair, Pair> pairs_;
};

#include "store/period_selectors.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

using pentad::store::RangeCorrection;
using pentad::store::RangePair;

PeriodSelectors::PeriodSelectors(QObject* parent) : QObject(parent) {}

QWidget* PeriodSelectors::makeBar(RangePair pair, QWidget* parent, Qt::Orientation orientation) {
    auto* bar = new QWidget(parent);
    auto* layout = new QGridLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    Pair& p = pairs_[pair];
    const int n = static_cast<int>(pair);
    p.start = new QComboBox(bar);
    p.end = new QComboBox(bar);
    p.start->setObjectName(QStringLiteral("cboFrom%1").arg(n));
    p.end->setObjectName(QStringLiteral("cboTo%1").arg(n));
    for (QComboBox* combo : {p.start, p.end}) {
        combo->setEditable(false);
        combo->setMinimumContentsLength(7);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    const bool row = orientation == Qt::Horizontal;
    layout->addWidget(new QLabel(QStringLiteral("起始期号："), bar), 0, 0);
    layout->addWidget(p.start, row ? 0 : 1, row ? 1 : 0);
    layout->addWidget(new QLabel(QStringLiteral("终止期号："), bar), row ? 0 : 2, row ? 2 : 0);
    layout->addWidget(p.end, row ? 0 : 3, row ? 3 : 0);
    if (row)
        layout->setColumnStretch(4, 1);
    connect(p.start, &QComboBox::currentIndexChanged, this, [this, pair] { startChanged(pair); });
    connect(p.end, &QComboBox::currentIndexChanged, this, [this, pair] { endChanged(pair); });
    return bar;
}

QComboBox* PeriodSelectors::start(RangePair pair) const {
    const auto it = pairs_.find(pair);
    return it == pairs_.end() ? nullptr : it->second.start;
}

QComboBox* PeriodSelectors::end(RangePair pair) const {
    const auto it = pairs_.find(pair);
    return it == pairs_.end() ? nullptr : it->second.end;
}

void PeriodSelectors::fill(const QStringList& periods) {
    for (auto& [pair, p] : pairs_) {
        const QSignalBlocker blockStart(p.start);
        const QSignalBlocker blockEnd(p.end);
        const auto selection = pentad::store::defaultSelection(pair, periods);
        for (QComboBox* combo : {p.start, p.end}) {
            combo->clear();
            combo->addItems(periods);
        }
        p.start->setCurrentIndex(selection.start);
        p.end->setCurrentIndex(selection.end);
    }
}

std::optional<pentad::store::PeriodRange> PeriodSelectors::range(RangePair pair,
                                                                 QString* hint) const {
    const auto it = pairs_.find(pair);
    if (it == pairs_.end())
        return std::nullopt;
    return pentad::store::rangeFromTexts(it->second.start->currentText(),
                                         it->second.end->currentText(), hint);
}

void PeriodSelectors::startChanged(RangePair pair) {
    Pair& p = pairs_[pair];
    if (pentad::store::correctionAfterStartChange(p.start->currentText(), p.end->currentText()) ==
        RangeCorrection::EndToLast) {
        const QSignalBlocker block(p.end);
        p.end->setCurrentIndex(p.end->count() - 1);
    }
    Q_EMIT rangeChanged(pair);
}

void PeriodSelectors::endChanged(RangePair pair) {
    Pair& p = pairs_[pair];
    if (pentad::store::correctionAfterEndChange(p.start->currentText(), p.end->currentText()) ==
        RangeCorrection::StartToFirst) {
        const QSignalBlocker block(p.start);
        p.start->setCurrentIndex(0);
    }
    Q_EMIT rangeChanged(pair);
}

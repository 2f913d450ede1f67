#include "filter/engine.h"

#include "filter/position_pads.h"

#include <algorithm>

namespace pentad::filter {

namespace {

// Reports each percentage once, never going back; false when the caller cancelled.
class ProgressSteps {
public:
    explicit ProgressSteps(const FilterProgress& progress) : progress_(progress) {}
    bool report(int percent) {
        if (!progress_ || percent <= last_)
            return true;
        last_ = percent;
        return progress_(percent);
    }

private:
    const FilterProgress& progress_;
    int last_ = -1;
};

// The scores of the candidates: 0 is no candidate or rejected. Wider than a byte, so any
// number of vote units counts exactly.
using Scores = std::vector<std::int32_t>;

Scores candidateScores(const FilterPlan& plan, int base) {
    Scores score(kNumbers, 0);
    for (int n : candidateSpace(plan.pads))
        score[static_cast<std::size_t>(n)] = 2 * base;
    if (plan.resultLimit) {
        std::vector<std::uint8_t> listed(kNumbers, 0);
        for (int n : *plan.resultLimit)
            if (n >= 0 && n < kNumbers)
                listed[static_cast<std::size_t>(n)] = 1;
        for (std::size_t n = 0; n < score.size(); ++n)
            score[n] *= listed[n];
    }
    return score;
}

// Adds one check's outcome: +2 for a pass, +1 for a tolerated failure, 0 removes.
void takeCheck(Scores& score, const PassTable& pass, bool tolerant) {
    for (std::size_t n = 0; n < score.size(); ++n) {
        const std::int32_t s = score[n];
        const std::int32_t next = pass[n] ? s + 2 : (tolerant ? s + 1 : 0);
        score[n] = s == 0 ? 0 : next;
    }
}

} // namespace

FilterRun runFilter(const FilterPlan& plan, const FilterProgress& progress) {
    FilterRun run;
    ProgressSteps steps(progress);
    const auto cancelled = [&run] {
        run.cancelled = true;
        run.results.clear();
        return run;
    };
    const int base = plan.resultLimit ? 2 : 1;
    const int units = base + static_cast<int>(plan.checks.size());
    const int tolerantUnits = static_cast<int>(
        std::count_if(plan.checks.begin(), plan.checks.end(), [](const Check& c) { return c.tolerant; }));
    const int fullScore = 2 * units;
    if (!steps.report(1) || !steps.report(3))
        return cancelled();

    Scores score = candidateScores(plan, base);
    if (!steps.report(5))
        return cancelled();

    PassTable pass(kNumbers, 0);
    PassTable kept;
    if (plan.keep) {
        kept.assign(kNumbers, 0);
        plan.keep(kept);
        for (std::size_t n = 0; n < score.size(); ++n)
            kept[n] &= score[n] != 0 ? 1 : 0;
    }
    const int stepsTotal = static_cast<int>(plan.checks.size()) + 1;
    for (std::size_t i = 0; i < plan.checks.size(); ++i) {
        plan.checks[i].fill(pass);
        takeCheck(score, pass, plan.checks[i].tolerant);
        if (!steps.report(5 + 85 * (static_cast<int>(i) + 1) / stepsTotal))
            return cancelled();
    }
    // Applied last, with the same outcome as first: a kept candidate never counts a failure
    // and is never killed.
    if (plan.kill) {
        plan.kill(pass);
        for (std::size_t n = 0; n < score.size(); ++n)
            score[n] = pass[n] ? 0 : score[n];
    }
    if (plan.keep)
        for (std::size_t n = 0; n < score.size(); ++n)
            score[n] = kept[n] ? fullScore : score[n];
    if (!steps.report(86))
        return cancelled();

    int low = 0;
    int high = tolerantUnits;
    if (plan.voteOn) {
        high = std::min(tolerantUnits, plan.voteMax);
        low = plan.voteMin;
    }
    // One sweep sorts the survivors by their failure count.
    std::vector<std::vector<int>> byFailures(static_cast<std::size_t>(std::max(0, high - low + 1)));
    for (int n = 0; n < kNumbers; ++n) {
        const std::int32_t s = score[static_cast<std::size_t>(n)];
        const int f = fullScore - s;
        if (s != 0 && f >= low && f <= high)
            byFailures[static_cast<std::size_t>(f - low)].push_back(n);
    }
    for (std::size_t k = 0; k < byFailures.size(); ++k)
        for (int n : byFailures[k])
            run.results.push_back({n, low + static_cast<int>(k)});
    if (!steps.report(90))
        return cancelled();
    return run;
}

int failureShade(int failures) { return std::clamp(failures, 0, 10); }

} // namespace pentad::filter

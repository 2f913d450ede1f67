#include "filter/engine.h"

#include "filter/position_pads.h"

#include <algorithm>

namespace pentad::filter {

namespace {

// Reports each percentage once, never going back (the candidate loop already reaches 90
// before the vote's 86); false when the caller cancelled.
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
    // The score is wider than a byte, so any number of vote units is counted exactly.
    const int units = base + static_cast<int>(plan.checks.size());
    const int tolerantUnits = static_cast<int>(
        std::count_if(plan.checks.begin(), plan.checks.end(), [](const Check& c) { return c.tolerant; }));
    const int fullScore = 2 * units;
    if (!steps.report(1) || !steps.report(3) || !steps.report(5))
        return cancelled();

    std::vector<int> score(100000, 0);
    for (int n : candidateSpace(plan.pads))
        score[static_cast<std::size_t>(n)] = 2 * base;
    if (plan.resultLimit) {
        std::vector<bool> listed(100000, false);
        for (int n : *plan.resultLimit)
            if (n >= 0 && n < 100000)
                listed[static_cast<std::size_t>(n)] = true;
        for (int n = 0; n < 100000; ++n)
            if (!listed[static_cast<std::size_t>(n)])
                score[static_cast<std::size_t>(n)] = 0;
    }

    for (int n = 0; n < 100000; ++n) {
        if (!steps.report(n * 86 / 100000 + 5))
            return cancelled();
        int& s = score[static_cast<std::size_t>(n)];
        if (s == 0)
            continue;
        const attr::Digits d = attr::digitsOf(n);
        if (plan.keep && plan.keep(d)) {
            s = fullScore;
            continue;
        }
        if (plan.kill && plan.kill(d)) {
            s = 0;
            continue;
        }
        for (const Check& check : plan.checks) {
            if (check.passes(d)) {
                s += 2;
            } else if (check.tolerant) {
                s += 1;
            } else {
                s = 0;
                break;
            }
        }
    }
    if (!steps.report(86))
        return cancelled();

    int low = 0;
    int high = tolerantUnits;
    if (plan.voteOn) {
        high = std::min(tolerantUnits, plan.voteMax);
        low = plan.voteMin;
    }
    for (int f = low; f <= high; ++f)
        for (int n = 0; n < 100000; ++n)
            if (score[static_cast<std::size_t>(n)] != 0 && score[static_cast<std::size_t>(n)] == fullScore - f)
                run.results.push_back({n, f});
    if (!steps.report(90))
        return cancelled();
    return run;
}

int failureShade(int failures) { return std::clamp(failures, 0, 10); }

} // namespace pentad::filter

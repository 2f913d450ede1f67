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

// The score of a candidate: 0 is no candidate or rejected. Wider than a byte, so any number
// of vote units counts exactly.
using Score = std::int32_t;
using ScoreBlock = std::array<Score, kBlockSize>;

// Adds one check's outcome: +2 for a pass, +1 for a tolerated failure, 0 removes. Written
// with masks instead of branches or products so the loops run on vector registers.
void takeCheck(ScoreBlock& score, const PassBlock& pass, bool tolerant) {
    if (tolerant) {
        for (std::size_t i = 0; i < score.size(); ++i)
            score[i] += (1 + pass[i]) & -static_cast<Score>(score[i] != 0);
    } else {
        for (std::size_t i = 0; i < score.size(); ++i)
            score[i] = (score[i] + 2) & -static_cast<Score>(pass[i] & (score[i] != 0));
    }
}

bool anyCandidate(const ScoreBlock& score) {
    return std::any_of(score.begin(), score.end(), [](Score s) { return s != 0; });
}

// The survivors the vote keeps (between low and high failures), in order of failures, then
// of number: counted first, then placed. The survivors come in number order.
std::vector<FilterResult> votedResults(std::vector<FilterResult> survivors, int low, int high) {
    const std::size_t levels = static_cast<std::size_t>(std::max(0, high - low + 1));
    const auto levelOf = [&](int f) { return f >= low && f <= high ? static_cast<std::size_t>(f - low) : levels; };
    if (levels <= 1) { // one level keeps number order: no second list needed
        std::erase_if(survivors, [&](const FilterResult& r) { return levelOf(r.failures) >= levels; });
        return survivors;
    }
    std::vector<std::size_t> start(levels + 1, 0);
    for (const FilterResult& r : survivors)
        if (const std::size_t k = levelOf(r.failures); k < levels)
            ++start[k + 1];
    for (std::size_t k = 1; k <= levels; ++k)
        start[k] += start[k - 1];
    std::vector<FilterResult> results(start[levels]);
    for (const FilterResult& r : survivors)
        if (const std::size_t k = levelOf(r.failures); k < levels)
            results[start[k]++] = r;
    return results;
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
    const Score fullScore = 2 * units;
    if (!steps.report(1))
        return cancelled();

    std::array<attr::DigitMask, 5> pads{};
    for (std::size_t i = 0; i < 5; ++i)
        pads[i] = padMask(plan.pads[i]);
    std::vector<std::uint8_t> listed;
    if (plan.resultLimit) {
        listed.assign(kNumbers, 0);
        for (int n : *plan.resultLimit)
            if (n >= 0 && n < kNumbers)
                listed[static_cast<std::size_t>(n)] = 1;
    }
    if (!steps.report(3) || !steps.report(5))
        return cancelled();

    std::vector<FilterResult> survivors; // with their failures, in number order
    survivors.reserve(plan.resultLimit ? std::min(plan.resultLimit->size(), candidateCount(plan.pads))
                                       : candidateCount(plan.pads));
    PassBlock pass;
    PassBlock kept;
    for (int block = 0; block < kBlocks; ++block) {
        ScoreBlock score{};
        fillFolded(block, pass, true, [&pads](bool acc, int pos, int d) {
            return acc && attr::inMask(pads[static_cast<std::size_t>(pos)], d);
        }, [](bool all) { return all; });
        for (std::size_t i = 0; i < score.size(); ++i)
            score[i] = pass[i] * 2 * base * (listed.empty() ? 1 : listed[static_cast<std::size_t>(block * kBlockSize) + i]);
        bool alive = anyCandidate(score);
        const bool keeps = plan.keep && alive;
        if (keeps) {
            plan.keep(block, kept);
            for (std::size_t i = 0; i < kept.size(); ++i)
                kept[i] &= score[i] != 0;
        }
        for (std::size_t c = 0; c < plan.checks.size() && alive; ++c) {
            plan.checks[c].fill(block, pass);
            takeCheck(score, pass, plan.checks[c].tolerant);
            alive = plan.checks[c].tolerant || anyCandidate(score);
        }
        if (plan.kill && alive) {
            plan.kill(block, pass);
            for (std::size_t i = 0; i < score.size(); ++i)
                score[i] *= 1 - pass[i];
        }
        // 必出号 comes first, so a kept candidate is never rejected, killed or counted failing.
        if (keeps)
            for (std::size_t i = 0; i < score.size(); ++i)
                score[i] = kept[i] ? fullScore : score[i];
        for (std::size_t i = 0; i < score.size(); ++i)
            if (score[i] != 0)
                survivors.push_back({block * kBlockSize + static_cast<int>(i), fullScore - score[i]});
        if (!steps.report(5 + 85 * (block + 1) / kBlocks))
            return cancelled();
    }
    if (!steps.report(86))
        return cancelled();

    int low = 0;
    int high = tolerantUnits;
    if (plan.voteOn) {
        high = std::min(tolerantUnits, plan.voteMax);
        low = plan.voteMin;
    }
    run.results = votedResults(std::move(survivors), low, high);
    if (!steps.report(90))
        return cancelled();
    return run;
}

int failureShade(int failures) { return std::clamp(failures, 0, 10); }

} // namespace pentad::filter

#include "filter/filter_request.h"

#include "filter/condition_compiler.h"

namespace pentad::filter {

namespace {

bool anyEmpty(const FilterState& state, std::initializer_list<const char*> fields) {
    for (const char* f : fields)
        if (state.text(QString::fromLatin1(f)).isEmpty())
            return true;
    return false;
}

} // namespace

std::vector<attr::Digits> historyOf(std::span<const store::Draw> newestFirst) {
    std::vector<attr::Digits> digits;
    for (const store::Draw& d : newestFirst.first(std::min<std::size_t>(newestFirst.size(), kMaxHistoryWindow)))
        digits.push_back(d.digits);
    return digits;
}

QString refusalOf(const FilterRequest& request) {
    const FilterState& s = request.state;
    if (request.byResults && request.results.empty())
        return QStringLiteral("只有在结果不为0的情况下才能使用该过滤方法。");
    if (s.checked(QStringLiteral("chkSZLGC")) && anyEmpty(s, {"txtSLCGLin", "txtSLCGChuan", "txtSLCGGu"}))
        return QStringLiteral("请设置邻孤传号码。");
    if (s.checked(QStringLiteral("chkSZFGZ")) && anyEmpty(s, {"txtSFGZFu", "txtSFGZZhong", "txtSFGZGe"}))
        return QStringLiteral("请设置复隔中号码。");
    return {};
}

FilterOutcome runFilterRequest(const FilterRequest& request, const FilterProgress& progress) {
    FilterOutcome outcome;
    outcome.refusal = refusalOf(request);
    if (!outcome.refusal.isEmpty())
        return outcome;
    const std::size_t depth = std::min<std::size_t>(request.draws.size(), kMaxHistoryWindow);
    FilterPlan plan = compileFilter(request.state, {request.draws.begin(), request.draws.begin() + static_cast<std::ptrdiff_t>(depth)});
    if (request.byResults)
        plan.resultLimit = request.results;
    outcome.run = runFilter(plan, progress);
    return outcome;
}

} // namespace pentad::filter

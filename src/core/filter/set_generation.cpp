#include "filter/set_generation.h"

#include "attributes/history_classes.h"

namespace pentad::filter {

GeneratedSets generateNeighbourSets(const std::vector<attr::Digits>& newestDraws) {
    if (newestDraws.empty())
        return {{}, QStringLiteral("数据库中没有开奖号码，无法生成邻孤传号码。")};
    const attr::ClassSets s = attr::neighbourSets(newestDraws[0]); // 邻 孤 传
    return {{{QStringLiteral("txtSLCGLin"), attr::setText(s.sets[0])},
             {QStringLiteral("txtSLCGChuan"), attr::setText(s.sets[2])},
             {QStringLiteral("txtSLCGGu"), attr::setText(s.sets[1])}},
            {}};
}

GeneratedSets generateRepeatSets(const std::vector<attr::Digits>& newestDraws) {
    if (newestDraws.size() < 2)
        return {{}, QStringLiteral("数据库中的开奖号码不足两期，无法生成复隔中号码。")};
    const attr::ClassSets s = attr::repeatSets(newestDraws[0], newestDraws[1]); // 复 隔 中
    return {{{QStringLiteral("txtSFGZFu"), attr::setText(s.sets[0])},
             {QStringLiteral("txtSFGZGe"), attr::setText(s.sets[1])},
             {QStringLiteral("txtSFGZZhong"), attr::setText(s.sets[2])}},
            {}};
}

} // namespace pentad::filter

#pragma once

#include "attributes/digit_classes.h"

#include <QString>

#include <utility>
#include <vector>

// 生成邻孤传号码 and 生成复隔中号码: the set fields of 过滤7 from the latest draws, each set's
// digits ascending without separators.
namespace pentad::filter {

struct GeneratedSets {
    std::vector<std::pair<QString, QString>> fields; // field name, text
    QString shortage; // set instead when the store holds too few draws
};

// 邻 传 孤 from the latest draw (needs one draw).
GeneratedSets generateNeighbourSets(const std::vector<attr::Digits>& newestDraws);

// 复 隔 中 from the latest draw and the one before (needs two draws).
GeneratedSets generateRepeatSets(const std::vector<attr::Digits>& newestDraws);

} // namespace pentad::filter

#pragma once

#include "store/draw_store.h"

#include <QTest>

#include <vector>

// Draws of whole years for store tests: every period of each year from 001 to `last`,
// with a number derived from the period so each draw is distinct.
inline std::vector<pentad::store::Draw> drawsOfYear(int year, int last) {
    std::vector<pentad::store::Draw> draws;
    for (int seq = 1; seq <= last; ++seq) {
        const int period = year * 1000 + seq;
        draws.push_back(pentad::store::makeDraw(period, static_cast<int>((static_cast<long long>(period) * 7919) % 100000)));
    }
    return draws;
}

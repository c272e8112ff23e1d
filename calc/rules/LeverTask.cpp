// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/rules/LeverTask.h"

#include "calc/basics/CalcAnswer.h"
#include "calc/rules/DrawRules.h"

#include <QStringList>

#include <cstdlib>

namespace orbeta {
namespace {

// The first `count` numbers of a lever list.
IntList firsts(const std::array<int, 3>& values, int count)
{
    IntList list;
    for (int i = 0; i < count; ++i)
        list.items[static_cast<std::size_t>(i)] = values[static_cast<std::size_t>(i)];
    list.count = count;
    return list;
}

QString side(int mark)
{
    return mark < 0 ? QStringLiteral("vľavo") : QStringLiteral("vpravo");
}

// "vpravo: 2 N na značke 2, 5 N na značke 4": where the weights of one side hang.
QString sideLine(const LeverValues& x, bool left)
{
    QStringList weights;
    for (int i = 0; i < x.count; ++i) {
        const int mark = x.marks[static_cast<std::size_t>(i)];
        if ((mark < 0) == left)
            weights << QStringLiteral("%1 N na značke %2").arg(x.weights[static_cast<std::size_t>(i)]).arg(std::abs(mark));
    }
    return side(left ? -1 : 1) + QStringLiteral(": ") + weights.join(QStringLiteral(", "));
}

// "12 N · 2 = 24" for the weights on one side of the balanced lever.
QString momentSum(const LeverValues& x, bool left)
{
    QStringList terms;
    int sum = 0;
    for (int i = 0; i < x.count; ++i) {
        const int mark = x.marks[static_cast<std::size_t>(i)];
        if ((mark < 0) != left)
            continue;
        const int weight = x.weights[static_cast<std::size_t>(i)];
        terms << QStringLiteral("%1 N · %2").arg(weight).arg(std::abs(mark));
        sum += weight * std::abs(mark);
    }
    return terms.join(QStringLiteral(" + ")) + QStringLiteral(" = %1").arg(sum);
}

} // namespace

LeverState InitialLever(const LeverValues& lever)
{
    LeverState state{};
    for (int i = 0; i + 1 < lever.count; ++i)
        state[static_cast<std::size_t>(6 + lever.marks[static_cast<std::size_t>(i)])] =
            lever.weights[static_cast<std::size_t>(i)];
    return state;
}

int LeftMoment(const LeverState& lever)
{
    int sum = 0;
    for (int k = 1; k <= 6; ++k)
        sum += lever[static_cast<std::size_t>(6 - k)] * k;
    return sum;
}

int RightMoment(const LeverState& lever)
{
    int sum = 0;
    for (int k = 1; k <= 6; ++k)
        sum += lever[static_cast<std::size_t>(6 + k)] * k;
    return sum;
}

const std::array<Quantity, 3> LeverTask::quantities = {{
    {.name = "weights",
     .read = [](const ExampleValues& v) {
         const LeverValues& x = valuesOf<LeverValues>(v);
         return Reading(firsts(x.weights, x.count));
     }},
    {.name = "marks",
     .read = [](const ExampleValues& v) {
         const LeverValues& x = valuesOf<LeverValues>(v);
         return Reading(firsts(x.marks, x.count));
     }},
    {.name = "offered",
     .read = [](const ExampleValues& v) {
         const LeverValues& x = valuesOf<LeverValues>(v);
         return Reading(firsts(x.offered, x.offeredCount));
     }},
}};

void LeverTask::generate(CalcExample& e, RandomSource& rnd)
{
    static constexpr std::array<int, 6> kLines = {23, 24, 25, 26, 25, 26};
    askVariantWithLines(e, rnd, kLines);
    const int k = *e.asked;
    LeverValues x;
    auto weight = [&rnd] { return rnd.IntRnd(20, 1); };
    auto mark = [&rnd] { return rnd.IntRnd(6, 1); };
    auto& w = x.weights;
    auto& p = x.marks;
    if (k <= 2) {
        x.count = 2;
        do {
            w[0] = weight();
            w[1] = weight();
            p[0] = -mark();
            p[1] = mark();
        } while (!(-w[0] * p[0] == w[1] * p[1] && w[0] != w[1] && -p[0] != p[1]));
    } else {
        // Three different weights in balance: the middle one hangs on the
        // right beside the third, or from variant 5 on the left beside the
        // first, and never on the same mark as its neighbour on that side.
        const bool middleLeft = k > 4;
        x.count = 3;
        do {
            w[0] = weight();
            w[1] = weight();
            w[2] = weight();
            p[0] = -mark();
            p[1] = middleLeft ? -mark() : mark();
            p[2] = mark();
        } while (!(w[0] * p[0] + w[1] * p[1] + w[2] * p[2] == 0 && pairwiseDifferent(w[0], w[1], w[2])
                   && p[1] != (middleLeft ? p[0] : p[2])));
    }
    if (k % 2 == 1) {
        // The pupil picks the right weight for the shown mark among three
        // different weights, none of them one that already hangs (the lever
        // tells its weights apart by their numbers).
        const int right = x.placedWeight();
        auto hangs = [&x](int candidate) {
            for (int i = 0; i + 1 < x.count; ++i)
                if (x.weights[static_cast<std::size_t>(i)] == candidate)
                    return true;
            return false;
        };
        x.offeredCount = 3;
        auto& o = x.offered;
        do {
            o[0] = weight();
            o[1] = weight();
            o[2] = weight();
            o[static_cast<std::size_t>(rnd.IntRnd(3, 1) - 1)] = right;
        } while (!pairwiseDifferent(o[0], o[1], o[2]) || hangs(o[0]) || hangs(o[1]) || hangs(o[2]));
    } else {
        x.offeredCount = 1;
        x.offered[0] = x.placedWeight();
    }
    e.values = x;
}

bool LeverTask::check(const CalcExample&, const CalcAnswer& a)
{
    return a.lever[6] == 0 && LeftMoment(a.lever) == RightMoment(a.lever);
}

QString LeverTask::solution(const CalcExample& e)
{
    // The weight to place, where every weight hangs, and why the lever then balances.
    const LeverValues& x = valuesOf<LeverValues>(e.values);
    return QStringLiteral("Správne zavesenie závažia:\nzávažie %1 N na značku %2 %3\n")
               .arg(x.placedWeight())
               .arg(std::abs(x.placedMark()))
               .arg(side(x.placedMark()))
           + sideLine(x, true) + QLatin1Char('\n') + sideLine(x, false) + QLatin1Char('\n') + momentSum(x, true)
           + QStringLiteral(" = ") + momentSum(x, false).section(QStringLiteral(" = "), 0, 0);
}

} // namespace orbeta

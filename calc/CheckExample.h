#pragma once

#include "calc/CalcExample.h"

#include <QString>
#include <array>

namespace orbeta {

// The lever of "2e": slot 6 + k holds the weight hanging at mark k (-6 to 6),
// 0 for an empty mark; slot 6 is the pivot.
using LeverState = std::array<int, 13>;

// The lever as the example starts it: the weights that already hang.
LeverState InitialLever(const LeverValues& lever);

// The moment sums of the two sides.
int LeftMoment(const LeverState& lever);
int RightMoment(const LeverState& lever);

// What the pupil has done with an example when the check button is pressed.
struct CalcAnswer {
    std::array<QString, 6> boxes{};      // `TVstup(1..6)`
    int markedRow = 0;                   // 0 when no row is marked
    std::array<QString, 2> finishBoxes{}; // `TCil`: hours and minutes
    LeverState lever{};
};

// The verdict of the check button for the task and the asked quantity.
bool CheckExample(const CalcExample& example, const CalcAnswer& answer);

} // namespace orbeta

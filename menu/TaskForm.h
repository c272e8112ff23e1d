#pragma once

#include <QString>

#include <optional>

namespace orbeta {

// The four task forms that a series or a worksheet runs on.
enum class TaskForm {
    Mech1,   // frm_Mech1: the calculation tasks
    Zobr,    // frm_Zobr: ray constructions
    Dvojice, // frm_Dvojice: pairs of historical facts
    Osa,     // frm_Osa: the timelines
};

// The task form of a task code; empty for a code outside the catalogue.
std::optional<TaskForm> taskFormFor(const QString& taskCode);

} // namespace orbeta

#pragma once

#include "shell/TaskTable.h"

#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace orbeta {

// How a task form is loaded: to run a series, or (PrintMode) to compose a
// worksheet on `printer` once for each of `copies`.
struct TaskFormStart {
    bool printMode = false;
    QPrinter* printer = nullptr;
    int copies = 1;
};

// The one place through which the setup screen loads the task form of a
// task code. Each task form installs its loader at start; a code whose form
// is not installed loads nothing.
class TaskForms {
public:
    using Loader = std::function<std::unique_ptr<QWidget>(const TaskFormStart&)>;

    static void install(TaskFormKind form, Loader loader);
    static void uninstall(TaskFormKind form);
    // The loaded form, or null when the code has no installed form.
    static std::unique_ptr<QWidget> load(const QString& taskCode, const TaskFormStart& start);
};

} // namespace orbeta

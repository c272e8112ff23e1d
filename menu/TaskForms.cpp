#include "menu/TaskForms.h"

#include <QWidget>

#include <map>

namespace orbeta {
namespace {

std::map<TaskFormKind, TaskForms::Loader>& loaders()
{
    static std::map<TaskFormKind, TaskForms::Loader> table;
    return table;
}

} // namespace

void TaskForms::install(TaskFormKind form, Loader loader)
{
    loaders()[form] = std::move(loader);
}

void TaskForms::uninstall(TaskFormKind form)
{
    loaders().erase(form);
}

std::unique_ptr<QWidget> TaskForms::load(const QString& taskCode, const TaskFormStart& start)
{
    const TaskRow* row = TaskTable::find(taskCode);
    if (!row)
        return nullptr;
    const auto it = loaders().find(row->form);
    if (it == loaders().end() || !it->second)
        return nullptr;
    return it->second(start);
}

} // namespace orbeta

#include "menu/TaskForms.h"

#include <QWidget>

#include <map>

namespace orbeta {
namespace {

std::map<TaskForm, TaskForms::Loader>& loaders()
{
    static std::map<TaskForm, TaskForms::Loader> table;
    return table;
}

} // namespace

void TaskForms::install(TaskForm form, Loader loader)
{
    loaders()[form] = std::move(loader);
}

void TaskForms::uninstall(TaskForm form)
{
    loaders().erase(form);
}

std::unique_ptr<QWidget> TaskForms::load(const QString& taskCode, const TaskFormStart& start)
{
    const auto form = taskFormFor(taskCode);
    if (!form)
        return nullptr;
    const auto it = loaders().find(*form);
    if (it == loaders().end() || !it->second)
        return nullptr;
    return it->second(start);
}

} // namespace orbeta

#include "menu/TaskCatalogue.h"

#include <algorithm>

namespace orbeta {

const std::vector<TaskEntry>& TaskCatalogue::entries()
{
    static const std::vector<TaskEntry> table{
        {QStringLiteral("1a"), 1, 1, QStringLiteral("Hustota kvapaliny")},
        {QStringLiteral("1b"), 1, 2, QStringLiteral("Hustota pevnej látky")},
        {QStringLiteral("1c"), 1, 3, QStringLiteral("Pohyb rovnomerný")},
        {QStringLiteral("1d"), 1, 4, QStringLiteral("Pohyb nerovnomerný")},
        {QStringLiteral("2a"), 2, 1, QStringLiteral("Tlak v kvapaline")},
        {QStringLiteral("2b"), 2, 2, QStringLiteral("Mechanická práca")},
        {QStringLiteral("2c"), 2, 3, QStringLiteral("Výkon")},
        {QStringLiteral("2d"), 2, 4, QStringLiteral("Mechanická energia")},
        {QStringLiteral("2e"), 2, 5, QStringLiteral("Rovnováha na páke")},
        {QStringLiteral("3a"), 3, 1, QStringLiteral("Teplo prijaté telesom")},
        {QStringLiteral("3b"), 3, 2, QStringLiteral("Topenie")},
        {QStringLiteral("4a"), 4, 1, QStringLiteral("Zobrazenie zrkadlom")},
        {QStringLiteral("4b"), 4, 2, QStringLiteral("Zobrazenie šošovkou")},
        {QStringLiteral("5a"), 5, 1, QStringLiteral("Ohmov zákon")},
        {QStringLiteral("5b"), 5, 2, QStringLiteral("Elektrická energia")},
        {QStringLiteral("5c"), 5, 3, QStringLiteral("Elektrický príkon")},
        {QStringLiteral("5d"), 5, 4, QStringLiteral("Sériové zapojenie rezistorov")},
        {QStringLiteral("5e"), 5, 5, QStringLiteral("Paralelné zapojenie rezistorov")},
        {QStringLiteral("6a"), 6, 1, QStringLiteral("Urči dvojice")},
        {QStringLiteral("6b"), 6, 2, QStringLiteral("Časová osa - osobnosti")},
        {QStringLiteral("6c"), 6, 3, QStringLiteral("Časová osa - objevy a vynálezy")},
    };
    return table;
}

QString TaskCatalogue::topicName(int topic)
{
    static const char* const names[TopicCount] = {"Mechanika 1", "Mechanika 2", "Termika",
                                                  "Optika",      "Elektrina",   "Historie"};
    if (topic < 1 || topic > TopicCount)
        return {};
    return QString::fromLatin1(names[topic - 1]);
}

int TaskCatalogue::taskCount(int topic)
{
    const auto& all = entries();
    return int(std::count_if(all.begin(), all.end(), [topic](const TaskEntry& e) { return e.topic == topic; }));
}

std::optional<TaskEntry> TaskCatalogue::find(int topic, int item)
{
    const auto& all = entries();
    const auto it = std::find_if(all.begin(), all.end(),
                                 [&](const TaskEntry& e) { return e.topic == topic && e.item == item; });
    if (it == all.end())
        return std::nullopt;
    return *it;
}

std::optional<TaskEntry> TaskCatalogue::find(const QString& code)
{
    const auto& all = entries();
    const auto it = std::find_if(all.begin(), all.end(), [&](const TaskEntry& e) { return e.code == code; });
    if (it == all.end())
        return std::nullopt;
    return *it;
}

QString TaskCatalogue::topicPicture(int topic, bool highlighted)
{
    return QStringLiteral("Bitmap\\Select\\l_%1_%2.bmp").arg(topic, 2, 10, QLatin1Char('0')).arg(highlighted ? 1 : 0);
}

QString TaskCatalogue::taskPicture(const TaskEntry& task, Look look)
{
    return QStringLiteral("Bitmap\\Select\\r_0%1_%2.bmp").arg(task.code).arg(static_cast<int>(look));
}

} // namespace orbeta

// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/TaskTable.h"

#include <algorithm>

namespace orbeta {
namespace {

using enum TaskFormKind;
using enum HintBubble;
using enum TopicGroup;

constexpr TaskRow kRows[] = {
    {"1a", 1, 1, "Hustota kvapaliny", "Hustota kvapaliny", Mech1, OneLine, "1a.dat", "", 8, Physics,
     {{1, 2, 3, 4, 5}, 3, 70, 10, 1},
     {"Mechanika 1", "Hustota kvapaliny", "Zadanie: Zo zadaných veličín vypočítaj chýbajúci údaj. Pokiaľ je v\u00A0príklade zobrazená tabuľka hustôt rôznych kvapalín, označ príslušný riadok.", {{{"má", " - hmotnosť prázdneho valca, "}, {"mâ", " - hmotnosť valca s\u00A0kvapalinou, "}, {"V", " - objem kvapaliny, "}, {"ú", " - hustota kvapaliny."}}}}},
    {"1b", 1, 2, "Hustota pevnej látky", "Hustota pevnej látky", Mech1, OneLine, "1b.dat", "", 10, Physics,
     {{1, 2, 3, 4, 5}, 3, 70, 10, 1},
     {"Mechanika 1", "Hustota pevnej látky", "Zadanie: Zo zadaných veličín vypočítaj chýbajúci údaj. Pokiaľ je v\u00A0príklade zobrazená tabuľka hustôt rôznych pevných látok, označ príslušný riadok.", {{{"m", " - hmotnosť telesa, "}, {"Vá", " - objem kvapaliny vo valci bez telesa, "}, {"Vâ", " - objem kvapaliny vo valci s\u00A0telesom, "}, {"ú", " - hustota telesa."}}}}},
    {"1c", 1, 3, "Pohyb rovnomerný", "Pohyb rovnomerný", Mech1, OneLine, "", "", 0, Physics,
     {{1, 2, 2, 3, 4}, 4, 52, 0, 1},
     {"Mechanika 1", "Pohyb rovnomerný", "Zadanie: Zo zadaných veličín vypočítaj chýbajúci údaj.", {{{"v", " - rýchlosť telesa, "}, {"s", " - dĺžka dráhy, "}, {"t", " - čas, za ktorý teleso prekoná dráhu."}}}}},
    {"1d", 1, 4, "Pohyb nerovnomerný", "Pohyb nerovnomerný", Mech1, OneLine, "1d.dat", "Mapa1.dat", 4, Physics,
     {{1, 2, 3, 4, 5}, 3, 75, -5, 1},
     {"Mechanika 1", "Pohyb nerovnomerný", "Zadanie: Zo zadaných veličín vypočítaj chýbajúci údaj. Šípka označuje mesto, odkiaľ automobil vyšiel.", {{{"v", " - rýchlosť vozidla, "}, {"sá", " - dĺžka dráhy z\u00A0počiatočného mesta do mesta E, "}, {"sâ", " - dĺžka dráhy z\u00A0mesta E do cieľového mesta, "}, {"t", " - čas, za ktorý vozidlo prekoná dráhu."}}}}},
    {"2a", 2, 1, "Tlak v kvapaline", "Tlak v kvapaline", Mech1, OneLine, "", "", 0, Physics,
     {{1, 2, 3, 4, 5}, 3, 70, 10, 1},
     {"Mechanika 2", "Tlak v kvapaline", "Zadanie: Zo zadaných veličín vypočítaj chýbajúci údaj.", {{{"m", " - hmotnosť závažia, "}, {"S", " - obsah plochy piesta, "}, {"p", " - tlak v kvapaline."}}}}},
    {"2b", 2, 2, "Mechanická práca", "Mechanická práca", Mech1, OneLine, "", "", 0, Physics,
     {{1, 2, 3, 4, 5}, 3, 70, 10, 1},
     {"Mechanika 2", "Mechanická práca", "Zadanie: Zo zadaných veličín vypočítaj chýbajúci údaj.", {{{"F", " - sila, pôsobiaca na teleso, "}, {"s", " - dĺžka dráhy, "}, {"t", " - čas, za ktorý teleso prekoná dráhu, "}, {"W", " - práca, vynaložená na pohyb telesa."}}}}},
    {"2c", 2, 3, "Výkon", "Výkon", Mech1, TwoLines, "", "", 0, Physics,
     {{1, 2, 3, 4, 5}, 3, 70, 10, 1},
     {"Mechanika 2", "Výkon", "Zadanie: Zo zadaných veličín vypočítaj chýbajúci údaj.", {{{"W", " - práca navijaka, "}, {"P", " - výkon navijaka, "}, {"s", " - dĺžka dráhy, "}, {"t", " - čas, za ktorý teleso prekoná dráhu."}}}}},
    {"2d", 2, 4, "Mechanická energia", "Mechanická energia", Mech1, TwoLines, "", "", 0, Physics,
     {{1, 2, 3, 4, 5}, 3, 70, 10, 1},
     {"Mechanika 2", "Mechanická energia", "Zadanie: Zo zadaných veličín vypočítaj chýbajúci údaj.", {{{"m", " - hmotnosť telesa, "}, {"h", " - výška telesa nad podložkou, "}, {"t", " - čas, za ktorý teleso prekoná výšku, "}, {"W", " - mechanická energia, "}, {"P", " - výkon navijaka."}}}}},
    {"2e", 2, 5, "Rovnováha na páke", "Rovnováha na páke", Mech1, Picture, "", "", 0, Physics,
     {{1, 2, 3, 4, 5}, 3, 80, -40, 1},
     {"Mechanika 2", "Rovnováha na páke", "", {{}}}},
    {"3a", 3, 1, "Teplo prijaté telesom", "Teplo prijaté telesom", Mech1, OneLine, "3a.dat", "", 5, Physics,
     {{1, 2, 3, 4, 5}, 3, 70, 10, 1},
     {"Termika", "Teplo prijaté telesom", "Zadanie: Zo zadaných veličín vypočítaj chýbajúci údaj.", {{{"m", " - hmotnosť telesa, "}, {"tá", " - počiatočná teplota telesa, "}, {"tâ", " - konečná teplota telesa, "}, {"c", " - merná tepelná kapacita, "}, {"Q", " - teplo, prijaté telesom."}}}}},
    {"3b", 3, 2, "Topenie", "Topenie", Mech1, OneLine, "3b.dat", "", 2, Physics,
     {{1, 2, 3, 4, 5}, 3, 75, -2, 1},
     {"Termika", "Topenie", "Zadanie: Zo zadaných veličín vypočítaj chýbajúci údaj.", {{{"m", " - hmotnosť telesa, "}, {"tá", " - počiatočná teplota telesa, "}, {"tâ", " - konečná teplota telesa, "}, {"cá, câ", " - merná tepelná kapacita ľadu, resp. vody, "}, {"l", " - merné skupenské teplo topenia, "}, {"Q", " - teplo, prijaté telesom."}}}}},
    {"4a", 4, 1, "Zobrazenie zrkadlom", "Zobrazenie zrkadlom", Zobr, OpticsPicture, "4a.dat", "", 0, Physics,
     {{1, 2, 3, 4, 5}, 3, 80, -20, 1},
     {"Optika", "Zobrazenie zrkadlom", "Zadanie: Je zadané duté, resp. vypuklé zrkadlo, predmet, umiestnený pred týmto zrkadlom a lúče, ktoré dopadajú na zrkadlo. Nakresli od zrkadla odrazené lúče tak, aby vznikol obraz predmetu.", {{}}}},
    {"4b", 4, 2, "Zobrazenie šošovkou", "Zobrazenie šošovkou", Zobr, OpticsPicture, "4b.dat", "", 0, Physics,
     {{1, 2, 3, 4, 5}, 3, 80, -20, 1},
     {"Optika", "Zobrazenie šošovkou", "Zadanie: Je zadaná spojka, resp. rozptylka, predmet, umiestnený pred touto šošovkou a lúče, ktoré dopadajú na šošovku. Nakresli lúče, prechádzajúce šošovkou tak, aby vznikol obraz predmetu.", {{}}}},
    {"5a", 5, 1, "Ohmov zákon", "Ohmov zákon", Mech1, OneLine, "", "", 0, Physics,
     {{1, 2, 3, 4, 5}, 3, 80, -20, 1},
     {"Elektrina", "Ohmov zákon", "Zadanie: Zo zadaných veličín vypočítaj chýbajúci údaj.", {{{"U", " - elektrické napätie, "}, {"I", " - elektrický prúd, "}, {"R", " - odpor."}}}}},
    {"5b", 5, 2, "Elektrická energia", "Elektrická energia", Mech1, OneLine, "", "", 0, Physics,
     {{1, 2, 3, 4, 5}, 3, 80, -20, 1},
     {"Elektrina", "Elektrická energia", "Zadanie: Zo zadaných veličín vypočítaj chýbajúci údaj.", {{{"P", " - elektrický príkon spotrebiča, "}, {"t", " - doba, kedy pracuje elektrický prístroj, "}, {"E", " - elektrická energia."}}}}},
    {"5c", 5, 3, "Elektrický príkon", "Elektrický príkon", Mech1, OneLine, "", "", 0, Physics,
     {{1, 2, 3, 4, 5}, 3, 80, -20, 1},
     {"Elektrina", "Elektrický príkon", "Zadanie: Zo zadaných veličín vypočítaj chýbajúci údaj.", {{{"U", " - elektrické napätie, "}, {"I", " - elektrický prúd, "}, {"P", " - elektrický príkon."}}}}},
    {"5d", 5, 4, "Sériové zapojenie rezistorov", "Sériové zapojenie rezistorov", Mech1, OneLine, "", "", 0,
     Physics,
     {{1, 2, 3, 4, 5}, 3, 80, -20, 1},
     {"Elektrina", "Sériové zapojenie rezistorov", "Zadanie: Zo zadaných veličín vypočítaj chýbajúci údaj.", {{{"I", " - elektrický prúd, "}, {"Uá, Uâ", " - elektrické napätie, "}, {"Rá, Râ", " - odpor."}}}}},
    {"5e", 5, 5, "Paralelné zapojenie rezistorov", "Paralelné zapojenie rezistorov", Mech1, TwoLines, "", "", 0,
     Physics,
     {{1, 2, 3, 4, 5}, 3, 75, -4, 1},
     {"Elektrina", "Paralelné zapojenie rezistorov", "Zadanie: Zo zadaných veličín vypočítaj chýbajúci údaj.", {{{"Iá, Iâ", " - elektrický prúd, "}, {"I", " - celkový elektrický prúd, "}, {"U", " - elektrické napätie, "}, {"Rá, Râ", " - odpor."}}}}},
    {"6a", 6, 1, "Urči dvojice", "Urči dvojice", Dvojice, Pair, "6a.dat", "", 0, History,
     {{1, 1, 1, 1, 2}, 4, 50, 10, 5},
     {"História", "Urči dvojice", "Zadanie: Utvor správne dvojice z hodnôt ľavého stĺpca a hodnôt pravého stĺpca. Vytvorené dvojice zapíš dolu na riadok (napr. A1, B2, C3, ...).", {{}}}},
    {"6b", 6, 2, "Časová osa - osobnosti", "Časová os – osobnosti", Osa, Person, "6b.dat", "", 0, History,
     {{1, 1, 1, 1, 2}, 4, 50, 10, 5},
     {"História", "Časová os - osobnosti", "Zadanie: Ku každej osobnosti v ľavom stĺpci nájdi v pravom stĺpci roky jej života (rok narodenia - rok úmrtia, „súč.“ znamená, že dodnes žije). Vytvorené dvojice zapíš dolu na riadok (napr. A1, B2, C3, ...).", {{}}}},
    {"6c", 6, 3, "Časová osa - objevy a vynálezy", "Časová os – objavy a vynálezy", Osa, Discovery, "6c.dat", "", 0,
     History,
     {{1, 1, 1, 1, 2}, 4, 50, 10, 5},
     {"História", "Časová os - objavy a vynálezy", "Zadanie: Ku každému objavu, vynálezu alebo udalosti v ľavom stĺpci nájdi v pravom stĺpci rok, do ktorého patrí. Vytvorené dvojice zapíš dolu na riadok (napr. A1, B2, C3, ...).", {{}}}},
};

constexpr const char* kTopicNames[TaskTable::kTopicCount] = {"Mechanika 1", "Mechanika 2", "Termika",
                                                             "Optika",      "Elektrina",   "Historie"};
// The screens show the history topic in Slovak.
constexpr const char* kShownTopicNames[TaskTable::kTopicCount] = {"Mechanika 1", "Mechanika 2", "Termika",
                                                                    "Optika",      "Elektrina",   "História"};

} // namespace

std::span<const TaskRow> TaskTable::rows()
{
    return kRows;
}

const TaskRow* TaskTable::find(QStringView code)
{
    const auto it = std::find_if(std::begin(kRows), std::end(kRows),
                                 [code](const TaskRow& row) { return code == QLatin1String(row.code); });
    return it == std::end(kRows) ? nullptr : it;
}

const TaskRow* TaskTable::find(int topic, int item)
{
    const auto it = std::find_if(std::begin(kRows), std::end(kRows),
                                 [=](const TaskRow& row) { return row.topic == topic && row.item == item; });
    return it == std::end(kRows) ? nullptr : it;
}

QString TaskTable::topicName(int topic)
{
    if (topic < 1 || topic > kTopicCount)
        return {};
    return QString::fromUtf8(kTopicNames[topic - 1]);
}

QString TaskTable::shownTopicName(int topic)
{
    if (topic < 1 || topic > kTopicCount)
        return {};
    return QString::fromUtf8(kShownTopicNames[topic - 1]);
}

int TaskTable::taskCount(int topic)
{
    return int(std::count_if(std::begin(kRows), std::end(kRows),
                             [topic](const TaskRow& row) { return row.topic == topic; }));
}

QStringList TaskTable::codes()
{
    QStringList list;
    for (const TaskRow& row : kRows)
        list.append(code(row));
    return list;
}

QString TaskTable::codeRanges()
{
    QStringList parts;
    for (int topic = 1; topic <= kTopicCount; ++topic) {
        QStringList inTopic;
        for (const TaskRow& row : kRows)
            if (row.topic == topic)
                inTopic.append(code(row));
        if (inTopic.size() > 2)
            parts.append(inTopic.first() + QLatin1Char('-') + inTopic.last());
        else
            parts.append(inTopic);
    }
    return parts.join(QStringLiteral(", "));
}

QStringList TaskTable::tableFiles()
{
    QStringList files;
    for (const TaskRow& row : kRows)
        if (*row.tableFile)
            files.append(QString::fromLatin1(row.tableFile));
    return files;
}

TopicGroup TaskTable::groupOf(QStringView code)
{
    const TaskRow* row = find(code);
    return row ? row->group : TopicGroup::Physics;
}

std::array<std::uint8_t, TaskTable::kCountButtons> TaskTable::countsOffered(TopicGroup group)
{
    if (group == TopicGroup::History)
        return {5, 10, 15, 20, 25};
    return {3, 5, 8, 10, 15};
}

} // namespace orbeta

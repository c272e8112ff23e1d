// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/form/CalcTour.h"

#include "calc/form/CalcScene.h"
#include "calc/form/FrmMech1.h"
#include "calc/experiments/LeverExperiment.h"
#include "calc/grading/RightAnswer.h"
#include "calc/rules/TaskQuantities.h"
#include "calc/grading/WrongAnswer.h"
#include "look/basics/Layout.h"
#include "look/basics/PictureNames.h"
#include "screen/HelpScreens.h"
#include "screen/ScreenHost.h"
#include "screen/Tour.h"
#include "services/Services.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

namespace orbeta {
namespace {

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

void CalcTour::addStates(Tour& tour, Services& services, ResultsLink& results)
{
    enum class Step { Load, Half, Done, Row, Right, Wrong, Solution, Calculator };
    struct State {
        Step step;
        const char* name;
    };
    static const State states[] = {
        {Step::Load, "load"},         {Step::Half, "experiment-half"}, {Step::Done, "experiment-done"},
        {Step::Row, "row-marked"},    {Step::Right, "check-right"},    {Step::Wrong, "check-wrong"},
        {Step::Solution, "solution"}, {Step::Calculator, "calculator"},
    };
    for (CalcTask task : kAllCalcTasks) {
        if (!CalcScene::available(task))
            continue;
        const QString code = calcTaskCode(task);
        const int variants = calcTaskVariants(task);
        for (int q = 1; q <= variants; ++q) {
            const auto quantities = TaskQuantities::of(task);
            const bool rowAsked = std::any_of(quantities.begin(), quantities.end(),
                                              [q](const Quantity& quantity) { return quantity.inTable && quantity.asked.contains(q); });
            for (const State& state : states) {
                const Step step = state.step;
                if (step == Step::Row && !rowAsked)
                    continue;
                const QString name = QStringLiteral("%1-q%2-%3").arg(code).arg(q).arg(QString::fromLatin1(state.name));
                tour.add(QStringLiteral("frm_Mech1"), name, [=, &services, &results](ScreenHost& host) {
                    if (QWidget* previous = host.findForm(QStringLiteral("frm_Mech1")))
                        host.unloadForm(previous);
                    SeriesSetup setup;
                    setup.taskCode = code;
                    setup.exampleCount = 5;
                    std::unique_ptr<FrmMech1> opened;
                    // The first seed whose example asks quantity q.
                    for (std::uint64_t seed = 1; seed < 200; ++seed) {
                        opened = FrmMech1::open(services, results, setup, task, seed, nullptr, host.stage());
                        if (!opened || opened->example().asked.value_or(1) == q)
                            break;
                    }
                    if (!opened)
                        return;
                    FrmMech1* form = opened.release();
                    host.showForm(form);
                    if (step == Step::Load)
                        return;
                    // The run counts from the tick the tour reads once, so the
                    // frames shown do not depend on how long the loading took.
                    const std::uint32_t start = services.tickCount();
                    form->pressStart(start);
                    const Experiment& run = form->experiment();
                    if (step == Step::Half) {
                        // The middle of the half-way frame.
                        form->animate(start + std::uint32_t(run.lastFrame() / 2) * run.frameMs() + run.frameMs() / 2);
                        return;
                    }
                    form->animate(start + std::uint32_t(run.lastFrame() + 1) * run.frameMs());
                    if (step == Step::Done)
                        return;
                    if (step == Step::Row) {
                        form->markRow(form->example().tableRow);
                        return;
                    }
                    if (step == Step::Calculator) {
                        QLineEdit* input = form->calculatorInput();
                        for (const char* line : {"(120-80)/0,79", "2*3,14*5", "7/2"}) {
                            input->setText(QString::fromLatin1(line));
                            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
                            QApplication::sendEvent(input, &enter);
                        }
                        input->setText(QStringLiteral("45+"));
                        return;
                    }
                    form->typeAnswer(step == Step::Right ? RightAnswer(form->example()) : WrongAnswer(form->example()));
                    form->check();
                    form->animate(services.tickCount() + 1000);
                    if (step == Step::Solution)
                        form->pressMark(1, Layout::kCheckMark.center());
                });
            }
        }
        tour.add(QStringLiteral("frm_Mech1"), code + QStringLiteral("-help"), [code, &services](ScreenHost& host) {
            if (QWidget* previous = host.findForm(QStringLiteral("frm_Mech1")))
                host.unloadForm(previous);
            ShowHelpPicture(services, &host, PictureNames::taskHelp(code), nullptr);
        });
    }
    addLeverStates(tour, services, results);
}

// The lever as a pupil can leave it: the mouse and the keys reach it
// through the scene's events, the experiment runs with no weight hung.
void CalcTour::addLeverStates(Tour& tour, Services& services, ResultsLink& results)
{
    enum class Step { Dragging, HungOnTarget, NearOccupied, Refused, Keyboard, TippedLeft };
    struct State {
        Step step;
        int asked;
        const char* name;
    };
    static const State states[] = {
        {Step::Dragging, 2, "dragging"},          {Step::HungOnTarget, 1, "hung-on-target"},
        {Step::NearOccupied, 2, "near-occupied"}, {Step::Refused, 2, "refused-on-occupied"},
        {Step::Keyboard, 2, "keyboard"},          {Step::TippedLeft, 1, "tipped-left"},
    };
    for (const State& state : states) {
        const QString name = QStringLiteral("2e-lever-%1").arg(QString::fromLatin1(state.name));
        tour.add(QStringLiteral("frm_Mech1"), name, [state, &services, &results](ScreenHost& host) {
            if (QWidget* previous = host.findForm(QStringLiteral("frm_Mech1")))
                host.unloadForm(previous);
            SeriesSetup setup;
            setup.taskCode = calcTaskCode(CalcTask::Lever);
            setup.exampleCount = 5;
            // The first seed whose example asks the variant.
            std::unique_ptr<FrmMech1> opened;
            for (std::uint64_t seed = 1; seed < 400; ++seed) {
                opened = FrmMech1::open(services, results, setup, CalcTask::Lever, seed, nullptr, host.stage());
                if (!opened)
                    return;
                if (opened->example().asked == state.asked)
                    break;
            }
            FrmMech1* form = opened.release();
            host.showForm(form);
            const auto& x = std::get<LeverValues>(form->example().values);
            const LeverPlaces places = CalcScene::leverPlaces();
            const auto hook = [&places](int mark) { return places.hooks[std::size_t(mark + 6)]; };
            const LeverBoard& lever = form->lever();
            QWidget* pic = form->scenePicture();
            // Loose weight 1 picked up and carried until its corner is at `to`, still held.
            const auto carry = [&](QPoint to) {
                const QPoint grip = lever.position(1) + QPoint(8, 12);
                sendMouse(pic, QEvent::MouseButtonPress, grip, Qt::LeftButton);
                sendMouse(pic, QEvent::MouseMove, grip + to - lever.position(1), Qt::LeftButton);
            };
            switch (state.step) {
            case Step::Dragging:
                carry((lever.position(1) + hook(x.placedMark())) / 2);
                break;
            case Step::HungOnTarget:
                form->typeAnswer(RightAnswer(form->example()));
                break;
            case Step::NearOccupied:
                carry(hook(x.marks[0]) + QPoint(LeverBoard::kSnap + 1, 0));
                break;
            case Step::Refused:
                carry(hook(x.marks[0]));
                break;
            case Step::Keyboard:
                pic->setFocus();
                for (int key : {int(Qt::Key_1), int(Qt::Key_Right), int(Qt::Key_Right), int(Qt::Key_Right)}) {
                    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                    QApplication::sendEvent(pic, &press);
                }
                break;
            case Step::TippedLeft:
                const std::uint32_t start = services.tickCount();
                form->pressStart(start);
                form->animate(start + 3 * LeverExperiment::kFrameMs);
                break;
            }
        });
    }
}

} // namespace orbeta

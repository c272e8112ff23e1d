// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/basics/CalcExample.h"
#include "calc/basics/CalcRoute.h"
#include "calc/basics/CalcTable.h"
#include "calc/grading/CheckExample.h"
#include "calc/tables/ExampleTable.h"
#include "calc/experiments/Experiment.h"
#include "calc/form/LeverPanel.h"
#include "frame/SeriesSeeds.h"
#include "frame/TaskFrame.h"

#include <array>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace orbeta {


class CalcTablePanel;
class CalculatorPanel;
class PictureButton;
class ResultsLink;
class ScenePicture;
class Services;

// The calculation form: a series of examples of one of the sixteen
// calculation tasks. The rules (generation, experiment frames, check,
// solution, calculator) live in calc/; the form draws, routes events and
// calls them.
class FrmMech1 : public TaskFrame {
    Q_OBJECT
public:
    // The experiment button's pictures, by index.
    enum class StartPicture { Disabled, Play, PlayPressed, Stop, StopPressed };

    // The loaded form for `task`, not yet shown; null with a message when a
    // data file cannot be read. `returnForm` is the setup form.
    static std::unique_ptr<FrmMech1> open(Services& services, ResultsLink& results, const SeriesSetup& setup,
                                          CalcTask task, std::optional<std::uint64_t> seed, QWidget* returnForm,
                                          QWidget* parent = nullptr);

    // The experiment button, pressed at tick `now` of the services' clock:
    // a run started then shows its frames counted from `now`.
    void pressStart(std::uint32_t now);
    // A press on a label of table row `row` (1 to 10).
    void markRow(int row);
    // Types the answer into the open boxes and marks its row, as a pupil would.
    void typeAnswer(const CalcAnswer& answer);
    // "2e": the lever as the pupil arranges it.
    const LeverBoard& lever() const { return m_leverPanel->board(); }
    QWidget* scenePicture() const;

    const CalcExample& example() const { return m_example; }
    const Experiment& experiment() const { return m_experiment; }
    int markedRow() const { return m_markedRow; }
    QLineEdit* answerBox(int i) const { return TVstup[std::size_t(i - 1)]; }
    QLineEdit* finishBox(int i) const { return TCil[std::size_t(i - 1)]; }
    QLabel* tableLabel(int column, int row) const;
    PictureButton* startButton() const { return PicStart; }
    PictureButton* calculatorKey(int i) const;
    QLineEdit* calculatorInput() const;
    QPlainTextEdit* notes() const;
    QLabel* assignment() const { return LblZadani; }
    bool lastCheckRight() const { return m_lastRight; }

protected:
    bool buildExample() override;
    std::vector<bool> judgeExample() override;
    void showSolution(int item, QPoint at) override;
    QRect markRect(int item) const override;
    std::optional<std::uint32_t> animatePanels(std::uint32_t now) override;
    bool busy() const override { return m_running || m_leverPanel->dragging(); }
    void startKey() override;
    bool filterEvent(QObject* watched, QEvent* event) override;
    void leaving() override { m_running = false; }
    std::vector<QWidget*> focusOrder() const override;
    bool cancelStep() override;
    void stepRow(int step) override;

private:
    FrmMech1(Services& services, ResultsLink& results, const SeriesSetup& setup, CalcTask task,
             std::optional<std::uint64_t> seed, QWidget* returnForm, QWidget* parent);

    bool loadData();
    void buildControls();
    void GenerateExample();
    void showFrame(int frame);
    void finishRun();
    void setControls(bool on);
    void setStartPicture(StartPicture picture);
    void unlockAnsweredBoxes();
    // The answer boxes in the order of the legend, then the arrival clock.
    std::vector<QLineEdit*> boxesInLegendOrder() const;
    void lockBox(QLineEdit* box, bool locked);
    bool filterAnswerKey(QLineEdit* box, QKeyEvent* event, bool timeBox);
    void hoverTable(int row);
    // "2e": the form's part of a weight's move.
    void leverMoved();

    CalcTask m_task;
    SeriesSeeds m_seeds;

    CalcTable m_table;
    ExampleTable m_exampleTable;
    CalcMap m_map{};
    CalcExample m_example;
    Experiment m_experiment;
    int m_markedRow = 0;
    bool m_running = false;
    bool m_lastRight = false;
    QString m_slip;

    std::array<QPixmap, 5> m_startPictures;

    PictureButton* PicStart = nullptr;
    QLabel* LblZadani = nullptr;
    std::array<QLineEdit*, 6> TVstup{};
    std::array<QLabel*, 6> LVstup{};
    std::array<QLineEdit*, 2> TStart{};
    std::array<QLineEdit*, 2> TCil{};
    QLabel* LStart = nullptr;
    QLabel* LCil = nullptr;
    CalcTablePanel* m_tablePanel = nullptr;
    CalculatorPanel* m_calculator = nullptr;
    LeverPanel* m_leverPanel = nullptr;
    ScenePicture* Pic = nullptr;
};

} // namespace orbeta

// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frame/SeriesSeeds.h"
#include "frame/TaskFrame.h"
#include "history/deck/HistoryDeck.h"

#include <cstdint>
#include <optional>
#include <vector>

class QLabel;

namespace orbeta {

class HistoryBox;
class HistoryRandom;
class ResultsLink;
class Services;

// What the pairs form and the timeline form share inside the task frame:
// the series of screens, dragging a box with the mouse and carrying it with
// the keyboard. The forms say where things stand and what a drop does; the
// rules of history/ decide.
class HistoryForm : public TaskFrame {
    Q_OBJECT
public:
    // The keyboard: the focused box or slot, the carried box and its target;
    // after the evaluation the framed cross, whose hint Pick opens.
    enum class Key { Previous, Next, Pick, Cancel };
    void key(Key key);

    int screenItems() const override { return m_screenItems; }
    int screenNumber() const { return m_screen + 1; }
    int screenCount() const { return int(m_screens.size()); }
    HistoryBox* box(int i) const { return m_boxes[std::size_t(i - 1)]; }
    std::optional<int> carried() const { return m_carried; }
    // The frame of the place a carried box would be put down.
    HistoryBox* target() const { return m_target; }

protected:
    HistoryForm(const QString& formName, Services& services, ResultsLink& results, const SeriesSetup& setup,
                HistoryDeck deck, std::optional<std::uint64_t> seed, QWidget* returnForm, QWidget* parent, const QRect& continueButton);

    // Called by the subclass's constructor once its controls exist.
    void startSeries(int boxCount, int boxPixels, const QSize& boxSize);

    // A keyboard stop: a box, or a slot that can be pressed.
    struct Stop {
        bool slot = false;
        int index = 0;
    };

    // The subclass's part.
    virtual void buildScreen(HistoryRandom& rnd) = 0;
    virtual void placeScreen() = 0;
    virtual QRect restingRect(int box) const = 0;
    // A box let go: `point` is where it hangs (dropPoint) or the keyboard's target (targetPoint).
    virtual void dropBox(int box, QPoint point) = 0;
    // What a released drag is judged by: the pointer, unless the box shows another mark.
    virtual QPoint dropPoint(int box, QPoint pointer) const;
    // Where the keyboard puts a carried box down on `target`.
    virtual QPoint targetPoint(int target) const { return targetRect(target).center(); }
    // Where a dragged box may stand, when something must stay in sight.
    virtual std::optional<QRect> dragArea() const { return std::nullopt; }
    virtual void pressSlot(int slot);
    virtual bool judge(int item) const = 0;
    virtual QString hintText(int item) const = 0;
    virtual QPoint hintPlace(int item, QPoint pointer) const = 0;
    virtual std::vector<Stop> stops() const = 0;
    virtual int targetCount() const = 0;
    virtual int firstTarget(int box) const = 0;
    virtual QRect targetRect(int target) const = 0;
    virtual void focusStop(const Stop& stop, bool focused);
    // What the screen shows beside box `box`'s row, or a carried box's target of that number,
    // as its name ends ("rok 1610"); empty for nothing.
    virtual QString besideBox(int) const { return {}; }

    bool buildExample() override;
    std::vector<bool> judgeExample() override;
    void showSolution(int item, QPoint at) override;
    bool turnScreen() override;
    std::pair<int, int> progress() const override;
    bool busy() const override { return m_dragging; }
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    // The form itself holds the focus while it has a box, slot or cross to
    // frame: the arrows and Tab move the frame among them.
    std::vector<QWidget*> focusOrder() const override;
    bool cancelStep() override;

    void restBoxes();
    void showFocus();

    HistoryDeck m_deck;
    int m_screenItems = 0;
    std::vector<HistoryBox*> m_boxes;
    HistoryBox* m_target = nullptr;

private:
    void placeFocusFrame();
    // The boxes named with their text and row, and the box the keyboard is
    // on given to a screen reader as the focus.
    void speakFocus();
    void showScreen();
    void setHalfScreen();
    void startDrag(int box, QPoint at);
    void moveDrag(int box, QPoint at);
    void endDrag(int box, QPoint at);
    void moveFocus(int step);
    // After the evaluation: the items whose cross can be pressed.
    std::vector<int> wrongItems() const;
    // The boxes and slots, or after the evaluation the crosses, the frame walks over.
    int stopCount() const;
    // The framed one of them.
    int& framedStop() { return evaluated() ? m_markFocus : m_focus; }
    void moveTarget(int step);

    SeriesSeeds m_seeds;
    std::vector<int> m_screens;
    int m_screen = 0;
    std::vector<bool> m_verdicts;
    bool m_dragging = false;
    // Where the box was gripped, from its top left corner.
    QPoint m_grip;
    int m_focus = 0;
    std::optional<int> m_carried;
    int m_targetIndex = 0;
    QString m_spoken;
    int m_markFocus = 0;
};

} // namespace orbeta

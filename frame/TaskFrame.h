// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frame/FrameFocus.h"
#include "frame/FrameKeys.h"
#include "frame/HintWindow.h"
#include "frame/SeriesProgress.h"
#include "frame/TopButtons.h"
#include "screen/AnimationStrip.h"
#include "screen/Form.h"
#include "tasks/SeriesSetup.h"
#include "tasks/TaskTable.h"

#include <QBasicTimer>
#include <QPointer>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QLabel;

namespace orbeta {

class PictureButton;
class ResultsLink;
class Services;

// The frame around every task: the toolbar (check, new example or screen,
// results table, back) with its function keys, the progress label, the
// continue button and its strip, the marks of the judged items and their
// hint windows, the counting of the series, the title area's help, hover
// sounds and pointers, and the one event filter. A task form derives from
// it and supplies what differs: its panels, how an example is made and
// judged, where its marks stand and what a mark shows.
class TaskFrame : public Form {
    Q_OBJECT
public:
    // What differs between the frames of the task forms.
    struct Design {
        QString newTip;        // toolbar 2: a new example or a new screen
        QRect progress;        // the "k / n" label
        QRect continueButton;
        int marks = 1;         // items judged at most on one screen
        QSize markSize;
        QString markTip;
        bool rightMarkOpens = false; // a right item's mark shows its solution too
        bool holdMark = false;       // the solution shows while the mark is held
    };

    // Hover ids of a task form's items, the frame's and its forms' own in one
    // list so that no two items share one; a range counts up from its first id.
    static constexpr std::uint8_t kHoverToolbar = 1;        // 1 to 4, the toolbar's buttons
    static constexpr std::uint8_t kHoverTitle = 5;
    static constexpr std::uint8_t kHoverContinue = 8;
    static constexpr std::uint8_t kHoverBox = 10;           // and up, the history boxes
    static constexpr std::uint8_t kHoverPicture = 16;       // the optics drawing area
    static constexpr std::uint8_t kHoverMark = 20;
    static constexpr std::uint8_t kHoverStart = 21;         // the experiment's start button
    static constexpr std::uint8_t kHoverTableRow = 30;      // 30 + row, the table's rows
    static constexpr std::uint8_t kHoverCalculatorKey = 40; // and up, the calculator's keys

    ~TaskFrame() override;

    // The continue button's strip and the form's own animation at tick
    // `now`; the timer calls it, tests and the tour call it directly.
    void animate(std::uint32_t now);

    // The toolbar, continue, and a press on the mark of `item`.
    void check();
    void newExample();
    void showTable();
    void back();
    void continueSeries();
    void pressMark(int item, QPoint at);
    void hideHint();
    // The solution of the first mark that opens one, or its window shut again.
    void toggleSolution();

    bool evaluated() const { return m_evaluated; }
    // The pupil may still answer: the example is not checked and the form
    // has not locked the toolbar (for a running experiment).
    bool answering() const { return !m_evaluated && !m_toolbarLocked; }
    PictureButton* topButton(int i) const { return PicTop[std::size_t(i - 1)]; }
    PictureButton* continueButton() const { return picPokracuj; }
    PictureButton* mark(int item) const { return IHodnoceni[std::size_t(item - 1)]; }
    PictureButton* markButton() const { return mark(1); }
    // The counting of the series on the form.
    const SeriesProgress& series() const { return m_series; }
    // The hint window shown last, if any.
    HintWindow* hintWindow() const { return dynamic_cast<HintWindow*>(m_hintShown.data()); }
    // The control the focus frame stands around; none on a picture button, which draws its own.
    QWidget* framedControl() const;
    // Items on the screen; one example unless the form shows more.
    virtual int screenItems() const { return 1; }

protected:
    // `code` is the form's own task; `setup` the pupil's name and count.
    TaskFrame(const QString& formName, Services& services, ResultsLink& results, const QString& code,
              const SeriesSetup& setup, QWidget* returnForm, QWidget* parent, const Design& design);

    // Called once the form's controls exist: filters the program's events,
    // counts from zero and makes the first example; false when it cannot be made.
    bool beginSeries();

    // The form's part.
    // Makes the example or screen to show; false (after a message) when none can be made.
    virtual bool buildExample() = 0;
    // Locks the form's panels and judges the example: one verdict per item.
    virtual std::vector<bool> judgeExample() = 0;
    // The solution of `item` in a hint window, its mark pressed at `at`.
    virtual void showSolution(int item, QPoint at) = 0;
    virtual QRect markRect(int item) const = 0;
    // After a continue that leaves examples: false when the form has no
    // further screen for them.
    virtual bool turnScreen() { return true; }
    // "k / n" of the progress label.
    virtual std::pair<int, int> progress() const;
    // The form's own animation at `now`: the tick its next frame is due.
    virtual std::optional<std::uint32_t> animatePanels(std::uint32_t now);
    // A running experiment or a drag, when the title's help stays shut.
    virtual bool busy() const { return false; }
    // F2 (the experiment), for a form that has one.
    virtual void startKey() {}
    // The events of the form's own controls, through the frame's filter.
    virtual bool filterEvent(QObject* watched, QEvent* event);
    // Each time the form comes to the front, after the keyboard layout.
    virtual void activated() {}
    // The form goes: its own state stops.
    virtual void leaving() {}
    // The form's own controls in the order Tab visits them, before the
    // frame's toolbar, continue and marks; hidden, disabled or unfocusable
    // ones are passed by.
    virtual std::vector<QWidget*> focusOrder() const { return {}; }
    // Escape undoes the form's half-done step (a lifted weight, an aimed
    // ray, a carried box); false when there is none, so Escape goes back.
    virtual bool cancelStep() { return false; }
    // F7 and F8: the next or previous table row marked, for a form with a table.
    virtual void stepRow(int) {}

    // Tab and Shift+Tab through the form's controls and then the frame's.
    bool focusNextPrevChild(bool next) override;
    // The first control of the screen takes the focus.
    void focusFirst();

    // A hint window of the bubble, made once; shown at `at`, kept clear of
    // the frame's controls and marks, of the form's `alsoClear` and whole on
    // the screen.
    HintWindow& hint(HintBubble bubble);
    void showHint(HintWindow& window, QPoint at, std::vector<QRect> alsoClear = {});
    // The pointer over `widget`, shown on the move that set it.
    void showPointer(QWidget* widget, const QCursor& cursor);
    void updateProgress();

    void formActivated() final;
    void hideEvent(QHideEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The whole toolbar off while the form runs something of its own, and on again.
    void lockToolbar(bool locked);

    Services& m_services;
    ResultsLink& m_results;
    QString m_code;
    // As the setup form gave it, with the form's own task code.
    SeriesSetup m_setup;

private:
    void buildFrame(const Design& design);
    // What the function key of `action` does.
    void pressKey(FrameKey action);
    void backgroundPressed(QPoint position);
    void backgroundMoved(QPoint position);
    // The form is the one in front of the host.
    bool inFront() const;
    void leaveForm();
    // The toolbar's highlight follows where the pointer is now.
    void showHoveredTopButton();

    TopButtons PicTop{};
    PictureButton* picPokracuj = nullptr;
    QLabel* LblPriklad = nullptr;
    std::vector<PictureButton*> IHodnoceni;
    Design m_design;
    bool m_toolbarLocked = false;
    SeriesProgress m_series;
    QPointer<QWidget> m_returnForm;
    bool m_evaluated = false;
    // While set, a locked control keeps the focus: it moves once, where a check or a new screen ends.
    bool m_focusHeld = false;

    QBasicTimer m_timer;
    std::optional<std::uint32_t> m_continueStart;
    AnimationStrip m_continueStrip;
    QPixmap m_continueBackground;
    QPixmap m_right;
    QPixmap m_wrong;
    std::map<HintBubble, QPointer<HintWindow>> m_hints;
    // Held untyped: the application's events pass the comparisons with it
    // while the window is being destroyed, when it is no HintWindow any more.
    QPointer<QWidget> m_hintShown;
    bool m_left = false;
    std::unique_ptr<FrameFocus> m_focus;
    std::unique_ptr<FrameKeys> m_keys;
};

} // namespace orbeta

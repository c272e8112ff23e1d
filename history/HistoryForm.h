#pragma once

#include "history/HistoryDeck.h"
#include "shell/SeriesSeeds.h"
#include "shell/AnimationStrip.h"
#include "shell/Form.h"
#include "shell/HintWindow.h"
#include "shell/Misc.h"

#include <QBasicTimer>
#include <QPointer>

#include <cstdint>
#include <optional>
#include <vector>

class QLabel;

namespace orbeta {

class HistoryBox;
class HistoryRandom;
class PictureButton;
class ResultsLink;
class Services;

// What the pairs form and the timeline form share: the toolbar, the series
// of screens, the marks and their hints, the continue button, the help
// area, dragging a box with the mouse and carrying it with the keyboard.
// The forms say where things stand and what a drop does; the rules of
// history/ decide.
class HistoryForm : public Form {
    Q_OBJECT
public:
    ~HistoryForm() override;

    // The continue button's strip at tick `now`; the timer calls it, tests
    // and the tour call it directly.
    void animate(std::uint32_t now);

    // The toolbar, continue, and a press on the mark of item `item`.
    void check();
    void newScreen();
    void showTable();
    void back();
    void continueSeries();
    void pressMark(int item, QPoint at);
    void hideHint();

    // The keyboard: the focused box or slot, the carried box and its target;
    // after the evaluation the framed cross, whose hint Pick opens.
    enum class Key { Previous, Next, Pick, Cancel };
    void key(Key key);

    int screenItems() const { return m_screenItems; }
    int screenNumber() const { return m_screen + 1; }
    int screenCount() const { return int(m_screens.size()); }
    bool evaluated() const { return m_evaluated; }
    PictureButton* topButton(int i) const { return PicTop[std::size_t(i - 1)]; }
    PictureButton* continueButton() const { return picPokracuj; }
    PictureButton* mark(int item) const { return IHodnoceni[std::size_t(item - 1)]; }
    HistoryBox* box(int i) const { return m_boxes[std::size_t(i - 1)]; }
    HintWindow* hintWindow() const { return m_hint.data(); }
    std::optional<int> carried() const { return m_carried; }
    // The frame of the place a carried box would be put down.
    HistoryBox* target() const { return m_target; }

protected:
    HistoryForm(const QString& formName, Services& services, ResultsLink& results, HistoryDeck deck,
                std::optional<std::uint64_t> seed, QWidget* returnForm, QWidget* parent);

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
    virtual void dropBox(int box, QPoint pointer) = 0;
    virtual void pressSlot(int slot);
    virtual bool judge(int item) const = 0;
    virtual QString hintText(int item) const = 0;
    virtual QPoint hintPlace(int item, QPoint pointer) const = 0;
    virtual QRect markRect(int item) const = 0;
    virtual std::vector<Stop> stops() const = 0;
    virtual int targetCount() const = 0;
    virtual int firstTarget(int box) const = 0;
    virtual QRect targetRect(int target) const = 0;
    virtual void focusStop(const Stop& stop, bool focused);

    void formActivated() override;
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

    void restBoxes();
    void showFocus();

    Services& m_services;
    ResultsLink& m_results;
    HistoryDeck m_deck;
    QString m_code;
    int m_screenItems = 0;
    std::vector<HistoryBox*> m_boxes;
    HistoryBox* m_target = nullptr;
    std::array<PictureButton*, 10> IHodnoceni{};
    QLabel* LblPriklad = nullptr;

private:
    void buildControls();
    void showScreen();
    void setHalfScreen();
    void startDrag(int box, QPoint at);
    void moveDrag(int box, QPoint at);
    void endDrag(int box, QPoint at);
    void moveFocus(int step);
    // After the evaluation: the items whose cross can be pressed.
    std::vector<int> wrongItems() const;
    void moveTarget(int step);
    void backgroundPressed(QPoint position);
    void backgroundMoved(QPoint position);
    void leaveForm();

    QPointer<QWidget> m_returnForm;
    SeriesSeeds m_seeds;
    std::vector<int> m_screens;
    int m_screen = 0;
    bool m_evaluated = false;
    bool m_dragging = false;
    int m_focus = 0;
    std::optional<int> m_carried;
    int m_targetIndex = 0;
    int m_markFocus = 0;

    QBasicTimer m_timer;
    std::optional<std::uint32_t> m_continueStart;
    AnimationStrip m_continueStrip;
    QPixmap m_continueBackground;
    QPixmap m_right;
    QPixmap m_wrong;

    TopButtons PicTop{};
    PictureButton* picPokracuj = nullptr;
    QPointer<HintWindow> m_hint;
};

} // namespace orbeta

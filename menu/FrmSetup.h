// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "menu/SetupLayout.h"
#include "menu/SetupState.h"
#include "screen/AnimationStrip.h"
#include "screen/FocusRing.h"
#include "screen/Form.h"
#include "tasks/SeriesSetup.h"

#include <QBasicTimer>
#include <QPixmap>
#include <QPointer>

#include <array>
#include <cstdint>
#include <deque>
#include <optional>

class QLineEdit;
class QPrinter;

namespace orbeta {

class FrmSelect;
class PictureButton;
class Services;
class TaskForms;
class Tour;

// The series setup screen: the pupil types a name and picks a count; then the
// continue button starts the series on the task's form and the print button
// prints a worksheet of the task. It stays loaded during a series, so the
// results table can return to it with the name and count still set.
//
// By keys: Tab goes from the name to the counts, "Pokračuj", "Tlač", "Pomoc"
// and "Späť"; the arrows choose a count; Enter on a count takes it; Enter
// continues once a name and a count are given, else it goes to what is
// missing; F1 shows the help and Escape goes back to the menu.
class FrmSetup : public Form {
    Q_OBJECT
public:
    // Loads the form for the task `taskCode`.
    FrmSetup(Services& services, const TaskForms& taskForms, FrmSelect& menu, const QString& taskCode,
             QWidget* parent = nullptr);

    // Loads the setup form for the task `taskCode` and brings it to the
    // front over the menu.
    static FrmSetup* open(Services& services, const TaskForms& taskForms, FrmSelect& menu, const QString& taskCode);

    static void addTourStates(Tour& tour, Services& services, const TaskForms& taskForms);

    // Brings the appearing buttons to the moment `now` of the services'
    // clock; the form's timer calls it while something is pending.
    void animate(std::uint32_t now);
    bool animating() const { return m_updateDue || !m_slides.empty(); }

    const SetupState& state() const { return m_state; }
    // The task with the name and count as they stand: what a series starts with.
    SeriesSetup setup() const;
    PictureButton* countButton(int button) const { return ICislo[static_cast<std::size_t>(button - 1)]; }
    PictureButton* continueButton() const { return picPokracuj; }
    PictureButton* printButton() const { return picTiskni; }
    PictureButton* backButton() const { return picKonec; }
    PictureButton* helpButton() const { return IHelp; }
    QLineEdit* nameField() const { return TMeno; }

protected:
    void formActivated() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void chooseCount(int button);
    void nameChanged(const QString& text);
    // The buttons' steps take effect at the tick `at`.
    void UpdateContinueButton(std::uint32_t at);
    void UpdatePrintButton(std::uint32_t at);
    void apply(ButtonStep step, PictureButton* button, const QPixmap& background, const AnimationStrip& strip,
               std::uint32_t at);
    void startTimer();
    void startSeries();
    void printWorksheet();
    void showHelp();
    void backToMenu();
    void hoverCount(int button);
    void hoverBack();
    void backgroundMoved();
    // The keys of the whole screen; false when the focused control keeps the key.
    bool handleKey(const QKeyEvent& event);
    void continueByKey();
    int countOf(const QObject* control) const;

    // A button sliding in: its strip plays from `start`, or from the end of
    // the slide before it.
    struct Slide {
        PictureButton* button;
        const AnimationStrip* strip;
        std::uint32_t start;
    };

    Services& m_services;
    const TaskForms& m_taskForms;
    FrmSelect& m_menu;
    // The task's code, topic and title.
    SeriesSetup m_task;
    SetupLayout m_layout;
    SetupState m_state;
    std::array<PictureButton*, SetupLayout::kCountButtons> ICislo{};
    PictureButton* picPokracuj = nullptr;
    PictureButton* picTiskni = nullptr;
    PictureButton* picKonec = nullptr;
    PictureButton* IHelp = nullptr;
    QLineEdit* TMeno = nullptr;
    FocusRing m_ring;
    QPixmap m_continueBackground;
    QPixmap m_printBackground;
    AnimationStrip m_continueStrip;
    AnimationStrip m_printStrip;
    bool m_writingName = false;
    QPointer<QWidget> m_beforeHelp;
    // After a count is chosen the buttons are updated a moment later.
    std::optional<std::uint32_t> m_updateDue;
    std::deque<Slide> m_slides;
    QBasicTimer m_timer;
};

} // namespace orbeta

// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen/AnimationStrip.h"
#include "screen/FocusRing.h"
#include "screen/Form.h"
#include "screen/AnimationStrip.h"
#include "startup/DisplayMode.h"
#include "screen/FocusRing.h"
#include "screen/Form.h"
#include "startup/StartUp.h"
#include "startup/DisplayMode.h"

#include <array>

namespace orbeta {

class PictureButton;
class ScreenHost;
class Services;
class Tour;

// The main menu: six topic buttons on the left, the task buttons of the
// selected topic beside them, the credits (help) button and the end button.
// It also holds the two animation strips of the setup form.
//
// By keys: Tab goes from the topics to the tasks, the help and the end
// button; the arrows move along a column, and Right (or Enter) on a topic
// shows its tasks; Enter opens a task; the digits 1 to 6 choose a topic and
// the letters a to e its task (the task code); F1 shows the credits and
// Escape asks whether to end, as closing the window does.
class FrmSelect : public Form {
    Q_OBJECT
public:
    explicit FrmSelect(Services& services, QWidget* parent = nullptr);

    // The load step of the program: start-up, the splash form, the display
    // mode, the menu itself and the symbol font. False when start-up failed
    // (the message has been shown); the program then ends with status 1.
    // Without the splash the menu comes to the front at once. Start-up
    // checks the tasks' tables with `checkTables` when given.
    bool load(ScreenHost& host, DisplayChoice display, bool showSplash, const DataTablesCheck& checkTables = {});

    // The clicks of the menu (also used by the tour).
    void selectTopic(int topic);
    void chooseTask(int item);
    void showCredits();
    // Registers Data\Sigla.ttf (done by itself once the first screen is
    // painted; the tour calls it at once).
    void registerSymbolFont();
    // Asks whether to end; on yes restores the display and quits.
    void confirmEnd();

    // The selected topic, 0 for none.
    int selectedTopic() const;

    PictureButton* topicButton(int topic) const { return LI.at(topic - 1); }
    PictureButton* taskButton(int item) const { return RI.at(item - 1); }
    PictureButton* endButton() const { return IKonec; }
    PictureButton* helpButton() const { return IHelp; }

    // Strip 1: the appearing continue button, strip 2: the print button.
    const AnimationStrip& animationStrip(int index) const;
    // The hidden scratch picture (238 x 80) other forms load pictures into.
    PictureButton* scratchPicture() const { return picScratch; }

    static void addTourStates(Tour& tour);

    Services& services() const { return m_services; }
    // The code of the task last chosen, "0" while none is.
    const QString& chosenTaskCode() const { return m_chosenTaskCode; }

signals:
    // A task was chosen: chosenTaskCode() names it. The setup form is opened
    // from here.
    void taskChosen();

protected:
    void formActivated() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The menu's own set-up, the task code and the symbol font; runs once.
    void finishLoad();
    void build();
    void loadPictures();
    void onBackgroundMove();
    void onTopicMove(int topic);
    void onTaskMove(int item);
    void onHelpMove();
    void onEndMove();
    void unmarkedToNormal();
    void followFocus(PictureButton* button, bool hasFocus, Qt::FocusReason reason);
    // Selects the topic and puts the focus on its tasks.
    void openTopicByKey(int topic);
    void focusControl(QWidget* control);
    // The topic or task number of `control`, 0 when it is neither.
    int topicOf(const QObject* control) const;
    int taskOf(const QObject* control) const;

    Services& m_services;
    std::array<PictureButton*, 6> LI{};
    std::array<PictureButton*, 5> RI{};
    PictureButton* IKonec = nullptr;
    PictureButton* IHelp = nullptr;
    PictureButton* picScratch = nullptr;
    FocusRing m_ring;
    mutable std::array<AnimationStrip, 2> m_strips;
    int m_loadedTopic = 0;
    bool m_built = false;
    bool m_fontRegistered = false;
    // The symbol font's file, known once the menu is built.
    QString m_fontPath;
    QString m_chosenTaskCode = QStringLiteral("0");
};

} // namespace orbeta

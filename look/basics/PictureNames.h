// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "look/basics/ButtonLook.h"
#include "tasks/TaskTable.h"

#include <QString>

namespace orbeta {

// The file names of the pictures, as the forms load them and the art tool
// writes them: relative to the resource directory, with "\" separators.
// Button pictures end in "_0" (normal), "_1" (highlighted) or "_2" (chosen).
class PictureNames {
public:
    enum class TopButton { Check, New, Table, Back };

    static QString lookSuffix(ButtonLook look);

    // Main menu.
    static QString menuBackground();
    static QString topicButton(int topic, ButtonLook look);
    static QString taskButton(const QString& taskCode, ButtonLook look);
    static QString endButton(ButtonLook look);

    // Splash and help pictures.
    static QString title();
    static QString credits();
    static QString setupHelp(TopicGroup group);

    // Setup screen.
    static QString setupBackground(TopicGroup group);
    // The button that sets `count` examples; its "_1" picture is the chosen one.
    static QString countButton(TopicGroup group, int count, bool chosen);
    // The arrow pointing at count button `button` (1 to 5).
    static QString arrow(int button);
    static QString heading(const QString& taskCode);
    static QString topicPicture(const QString& taskCode);
    static QString continueBackground();
    static QString printBackground();
    static QString continueStrip();
    static QString printStrip();
    static QString setupBack(ButtonLook look);

    // Task forms and the results form.
    static QString taskBackground();
    static QString topButton(TopButton button, ButtonLook look);
    static QString taskPicture(const QString& taskCode);
    static QString resultsBackground();
    static QString resultsBack(ButtonLook look);
    // The bubble of the hint window, 1 to 6.
    static QString hint(int number);

    // The optics form: its background and the lens pictures (the mirror
    // pictures are named in "4a.dat").
    static QString opticsBackground();
    static QString lens(bool converging);
    static QString mirror(const QString& fileName);
    // History forms: the backgrounds ("bg_3", "bg_3half" for five pairs,
    // "bg_4" persons, "bg_5" discoveries).
    static QString historyBackground(const QString& taskCode, bool halfScreen);

    // The apparatus of the calculation scenes: the cylinders with and without
    // the numbers of their scale, the bodies (1 to 3; "1c" loads body 1 as
    // "Obj01", the same file), the cart's frames (1 to 3), the map, the car
    // and the arrow at the start city.
    static QString liquidCylinder(bool numbers);
    static QString solidCylinder(bool numbers);
    static QString body(int body);
    static QString cart(int frame);
    static QString roadMap();
    static QString car();
    static QString startArrow();
    // The burner's apparatus: the scale with the dish ("3a"), the beaker
    // ("3b"), the burner out and burning; the circuits of "5a" to "5e" by
    // task code.
    static QString heatApparatus();
    static QString meltingApparatus();
    static QString burner(bool burning);
    static QString circuit(const QString& taskCode);
    // "2a" to "2d": the tank with its piston and tube, the weight, the board,
    // the winch with a crank ("2c") or a motor ("2d") and the drum's frames (1 to 4).
    static QString pressTank();
    static QString pressWeight();
    static QString board();
    static QString winch(bool motor);
    static QString drum(int frame);
    // "2e": the lever level, tipped to the left and to the right, and the
    // weights of mass 1 to 20, standing and with the ring they hang by.
    enum class LeverTilt { Level, Left, Right };
    static QString lever(LeverTilt tilt);
    static QString leverWeight(int mass, bool ring);

    // Calculation form: the experiment button, the mark after checking, the
    // calculator keys, the table backdrop and the help picture of a task.
    enum class ExperimentButton { Disabled, Play, PlayPressed, Stop, StopPressed };
    enum class CalculatorKey { Plus, Minus, Times, Divide, Clear };
    static QString experimentButton(ExperimentButton state);
    static QString checkMark(bool right);
    static QString calculatorKey(CalculatorKey key, bool pressed);
    static QString tableGround();
    static QString tableTop();
    static QString tableBody();
    static QString tableBottom();
    static QString taskHelp(const QString& taskCode);

    enum class Cursor { Arrow, Hand, Help };
    static QString cursor(Cursor cursor);
};

} // namespace orbeta

#pragma once

#include "look/ButtonLook.h"
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

    // The optics form: its background, the lens pictures and the help picture
    // of "4a" and "4b" (the mirror pictures are named in "4a.dat").
    static QString opticsBackground();
    static QString lens(bool converging);
    static QString mirror(const QString& fileName);
    static QString opticsHelp(const QString& taskCode);

    enum class Cursor { Arrow, Hand, Help };
    static QString cursor(Cursor cursor);
};

} // namespace orbeta

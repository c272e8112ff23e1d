// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace orbeta {

enum class MessageIcon { None, Critical, Warning, Question, Information };
// `YesNoDefaultNo` asks before something is thrown away: Enter answers No.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };
enum class MessageAnswer { Ok, Yes, No };

// The program's message boxes. A scripted run (the value of ORBETA_MESSAGEBOX,
// read by the program at start) answers every box without showing it: "ok"
// and "yes" mean the affirmative button, "no" answers a yes/no question with
// No and an OK box with OK; one line "TITLE: TEXT" then goes to stderr.
class MessageBox {
public:
    // The answer a scripted run gives; none when `mode` is not a script.
    static std::optional<MessageAnswer> scriptedAnswer(const QString& mode, MessageButtons buttons);
    // The line written for a scripted box.
    static QString scriptLine(const QString& title, const QString& text);
    // Shows the box over `parent` and waits for the answer.
    static MessageAnswer exec(const QString& title, const QString& text, MessageIcon icon, MessageButtons buttons,
                              QWidget* parent);
};

} // namespace orbeta

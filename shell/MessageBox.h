#pragma once

#include <QString>
#include <functional>

namespace orbeta {

enum class MessageIcon { None, Critical, Warning, Question, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Every message box of the program goes through here. With ORBETA_MESSAGEBOX
// set to "ok", "yes" or "no", a box is answered with that button without
// being shown ("ok" and "yes" both mean the affirmative button, "no" answers
// a yes/no question with No and an OK box with OK) and one line
// "TITLE: TEXT" goes to stderr, so scripted runs and tests never wait.
class MessageBox {
public:
    using Handler = std::function<MessageAnswer(const QString& title, const QString& text, MessageIcon, MessageButtons)>;

    static MessageAnswer show(const QString& title, const QString& text, MessageIcon icon,
                              MessageButtons buttons = MessageButtons::Ok);

    // Replaces how boxes are answered (tests); an empty handler restores the default.
    static void setHandler(Handler handler);
    // The line written for a scripted box.
    static QString scriptLine(const QString& title, const QString& text);
};

} // namespace orbeta

#pragma once

#include "menu/SetupLayout.h"
#include "menu/SetupState.h"
#include "shell/AnimationStrip.h"
#include "shell/Form.h"

#include <QPixmap>

#include <array>
#include <functional>

class QLineEdit;
class QPrinter;

namespace orbeta {

class PictureButton;
class Tour;

// The series setup screen: the pupil types a name and picks a count; then the
// continue button starts the series on the task's form and the print button
// prints a worksheet of the task. It stays loaded during a series, so the
// results table can return to it with the name and count still set.
class FrmSetup : public Form {
    Q_OBJECT
public:
    // Opens the print dialog on `printer`; true when the pupil confirmed it.
    using PrintDialogRunner = std::function<bool(QPrinter& printer)>;

    // Loads the form for the chosen TaskCode.
    explicit FrmSetup(QWidget* parent = nullptr);

    // Replaces the system print dialog (tests); an empty runner restores it.
    static void setPrintDialogRunner(PrintDialogRunner runner);

    // Loads the setup form for the chosen task and brings it to the front
    // over the menu.
    static FrmSetup* open(QWidget* menu);

    static void addTourStates(Tour& tour);

    const SetupState& state() const { return m_state; }
    PictureButton* countButton(int button) const { return ICislo[static_cast<std::size_t>(button - 1)]; }
    PictureButton* continueButton() const { return picPokracuj; }
    PictureButton* printButton() const { return picTiskni; }
    PictureButton* backButton() const { return picKonec; }
    PictureButton* helpButton() const { return IHelp; }
    QLineEdit* nameField() const { return TMeno; }

protected:
    void formActivated() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseCount(int button);
    void nameChanged(const QString& text);
    void UpdateContinueButton();
    void UpdatePrintButton();
    void apply(ButtonStep step, PictureButton* button, const QPixmap& background, const AnimationStrip& strip);
    void startSeries();
    void printWorksheet();
    void showHelp();
    void backToMenu();
    void hoverCount(int button);
    void hoverBack();
    void backgroundMoved();

    SetupLayout m_layout;
    SetupState m_state;
    std::array<PictureButton*, SetupLayout::CountButtons> ICislo{};
    PictureButton* picPokracuj = nullptr;
    PictureButton* picTiskni = nullptr;
    PictureButton* picKonec = nullptr;
    PictureButton* IHelp = nullptr;
    QLineEdit* TMeno = nullptr;
    QPixmap m_continueBackground;
    QPixmap m_printBackground;
    AnimationStrip m_continueStrip;
    AnimationStrip m_printStrip;
    bool m_writingName = false;
};

} // namespace orbeta

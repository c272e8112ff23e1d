// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/deck/TimelineScreen.h"
#include "history/forms/HistoryForm.h"

#include <array>
#include <memory>

namespace orbeta {

class Tour;

// frm_Osa: the timelines of "6b" (persons: names dropped into the slots
// above their life spans) and "6c" (discoveries: boxes swapped until each
// hangs under its year). Five positions per screen.
class FrmOsa : public HistoryForm {
    Q_OBJECT
public:
    // The loaded form for "6b" or "6c", not yet shown; null with a message
    // naming the file when it cannot be read or cannot fill a screen.
    static std::unique_ptr<FrmOsa> open(Services& services, ResultsLink& results, const SeriesSetup& setup,
                                        HistoryCode code, std::optional<std::uint64_t> seed, QWidget* returnForm,
                                        QWidget* parent = nullptr);

    // For both codes: fresh, half solved, solved, evaluated with wrong
    // positions and a hint, the keyboard carrying a box; "6b" with a living
    // person; and the help pictures.
    static void addTourStates(Tour& tour, Services& services, ResultsLink& results);

    const TimelineScreen& screen() const { return m_screen; }
    HistoryBox* slot(int position) const { return LTop[std::size_t(position - 1)]; }
    QLabel* topLabel(int position) const { return LblRok[std::size_t(position - 1)]; }
    // The box whose name or event belongs at `position`.
    int boxFor(int position) const;
    // Where a box is dropped to land on `position` (the slot or that box).
    QPoint positionPoint(int position) const { return targetRect(position).center(); }
    // The mark an event's box hangs by: the end of the dashed line from its year.
    static QPoint eventMarker(const QRect& box);

protected:
    void buildScreen(HistoryRandom& rnd) override;
    void placeScreen() override;
    QRect restingRect(int box) const override;
    void dropBox(int box, QPoint point) override;
    QPoint dropPoint(int box, QPoint pointer) const override;
    QPoint targetPoint(int target) const override;
    std::optional<QRect> dragArea() const override;
    void pressSlot(int slot) override;
    bool judge(int item) const override;
    QString hintText(int item) const override;
    QPoint hintPlace(int item, QPoint pointer) const override;
    QRect markRect(int item) const override;
    std::vector<Stop> stops() const override;
    int targetCount() const override;
    int firstTarget(int box) const override;
    QRect targetRect(int target) const override;
    void focusStop(const Stop& stop, bool focused) override;
    QString besideBox(int box) const override;

private:
    FrmOsa(Services& services, ResultsLink& results, const SeriesSetup& setup, HistoryDeck deck,
           std::optional<std::uint64_t> seed, QWidget* returnForm, QWidget* parent);
    bool persons() const { return m_deck.code() == HistoryCode::Persons; }
    QRect slotRect(int position) const;
    void showTexts();

    TimelineScreen m_screen;
    // Persons: the slots; both: the life spans or the years.
    std::array<HistoryBox*, TimelineScreen::kPositions> LTop{};
    std::array<QLabel*, TimelineScreen::kPositions> LblRok{};
};

} // namespace orbeta

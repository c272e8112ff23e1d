// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/deck/PairScreen.h"
#include "history/forms/HistoryForm.h"

#include <array>
#include <memory>

namespace orbeta {

class Tour;

// frm_Dvojice: the pairs of "6a". Ten rows (five on the half screen): the
// left column fixed, the right values in boxes that the pupil swaps by
// dragging one onto another row, or with the keyboard.
class FrmDvojice : public HistoryForm {
    Q_OBJECT
public:
    // The loaded form, not yet shown; null with a message naming the file
    // when "6a.dat" cannot be read or cannot fill a screen.
    static std::unique_ptr<FrmDvojice> open(Services& services, ResultsLink& results, const SeriesSetup& setup,
                                            std::optional<std::uint64_t> seed, QWidget* returnForm,
                                            QWidget* parent = nullptr);

    // Fresh, half solved, solved, evaluated with wrong rows and a hint, the
    // half screen of five rows, the keyboard carrying a box; and the help.
    static void addTourStates(Tour& tour, Services& services, ResultsLink& results);

    const PairScreen& screen() const { return m_screen; }
    QLabel* leftLabel(int row) const { return LLeft[std::size_t(row - 1)]; }
    // The row a right value should be dropped on to stand in `row`'s place:
    // the box now showing the pair of `row`'s left value.
    int rowHolding(int pairNumber) const;

protected:
    void buildScreen(HistoryRandom& rnd) override;
    void placeScreen() override;
    QRect restingRect(int box) const override;
    void dropBox(int box, QPoint pointer) override;
    bool judge(int item) const override;
    QString hintText(int item) const override;
    QPoint hintPlace(int item, QPoint pointer) const override;
    QRect markRect(int item) const override;
    std::vector<Stop> stops() const override;
    int targetCount() const override;
    int firstTarget(int box) const override;
    QRect targetRect(int target) const override;
    QString besideBox(int box) const override;

private:
    FrmDvojice(Services& services, ResultsLink& results, const SeriesSetup& setup, HistoryDeck deck,
               std::optional<std::uint64_t> seed, QWidget* returnForm, QWidget* parent);
    void showTexts();

    PairScreen m_screen;
    std::array<QLabel*, PairScreen::kMaxRows> LLeft{};
};

} // namespace orbeta

// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileOutcome.h"
#include "results/ranking/Ranking.h"
#include "screen/Form.h"
#include "tasks/SeriesSetup.h"

#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>

class QLabel;

namespace orbeta {

namespace results {
class RankingFile;
}

class PictureButton;
class Services;
class Tour;

// The results table of one task: the best ten of its ranking. At the end of a
// series the task form inserts the pupil's result through the public
// operations; its table button opens the form only to show the ranking.
class FrmTabulka : public Form {
    Q_OBJECT
public:
    static constexpr int kRows = 10;
    static const QColor NewRecordColour;

    // Loads the form for the task of `setup` and shows its ranking, kept
    // in `resultsDir` beside the results log.
    FrmTabulka(Services& services, const SeriesSetup& setup, const QString& resultsDir, QWidget* parent = nullptr);

    // The mark for `correct` of `total` from the mark table; empty when none.
    QString Vlozeni_znamky(std::uint8_t correct, std::uint8_t total) const;
    // Inserts the result into the task's ranking, saves it and shows the table.
    void Vloz_novy_zaznam(const QString& name, const QString& correct, const QString& wrong, const QString& mark,
                          std::uint8_t isNew);
    // Appends the four lines of the result to the results log.
    void Vloz_zaznam_do_souboru_vysledky_dat(const QString& name, const QString& topic, const QString& taskType,
                                             const QString& correct, const QString& wrong, const QString& mark);
    // The form the back button shows again.
    QPointer<QWidget> ReturnForm;

    static void addTourStates(Tour& tour, Services& services);

    // Row `row` (1 to 10), column 0 position, 1 name, 2 correct, 3 wrong, 4 mark.
    QLabel* cell(int row, int column) const;
    PictureButton* backButton() const { return picKonec; }
    QWidget* table() const { return m_table; }

protected:
    // The focus starts on the back button; Enter, Escape and Backspace go back.
    void formActivated() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Services& m_services;
    // The task and the count of the series recorded.
    SeriesSetup m_setup;
    QString m_resultsDir;
    using RowLabels = std::array<QLabel*, 5>;

    results::RankingFile rankingFile() const;
    void showRanking();
    void reportWriteFailures(const FileOutcome& log);
    void back();

    // Holds the headings and the cells: the table a screen reader meets.
    QWidget* m_table = nullptr;
    std::array<RowLabels, kRows> m_rows{};
    PictureButton* picKonec = nullptr;
    // An unreadable ranking file is shown empty and never written over.
    results::Ranking m_ranking;
    // Reported with the log's outcome, so that one message says which of the two was saved.
    FileOutcome m_rankingOutcome;
    // The pupil's series as a screen reader says it, once it is recorded.
    QString m_ownResult;
    // No press has reached the back button since the form came to the front.
    bool m_freshScreen = true;
};

} // namespace orbeta

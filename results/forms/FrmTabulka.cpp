// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/forms/FrmTabulka.h"

#include "look/basics/Layout.h"
#include "look/basics/Palette.h"
#include "look/basics/PictureNames.h"
#include "look/basics/TextElision.h"
#include "results/data/RankingFile.h"
#include "results/data/ResultsLog.h"
#include "results/forms/RankingTableAccessible.h"
#include "results/ranking/MarkCalculator.h"
#include "screen/Blits.h"
#include "screen/Form.h"
#include "screen/PictureButton.h"
#include "screen/ScreenHost.h"
#include "screen/Tour.h"
#include "services/Resources.h"
#include "services/Services.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>

namespace orbeta {
namespace {

constexpr std::uint8_t kBackHoverId = 4;
QString backDescription()
{
    return QStringLiteral("Zavrie tabuľku. Aj Enter, Escape alebo Backspace.");
}

const std::array<QString, 5>& headings()
{
    static const std::array<QString, 5> texts{QStringLiteral("Miesto"), QStringLiteral("Meno"),
                                              QStringLiteral("Správne"), QStringLiteral("Nesprávne"),
                                              QStringLiteral("Známka")};
    return texts;
}

void paint(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

const QColor FrmTabulka::NewRecordColour = Palette::newRankingRow();

FrmTabulka::FrmTabulka(Services& services, const SeriesSetup& setup, const QString& resultsDir, QWidget* parent)
    : Form(QStringLiteral("frm_Tabulka"), parent)
    , m_services(services)
    , m_setup(setup)
    , m_resultsDir(resultsDir)
{
    SetUpForm(*this, ScreenHost::kDesignWidth, ScreenHost::kDesignHeight);
    setPicture(m_services.resources().picture(PictureNames::resultsBackground()));
    picKonec = new PictureButton(this, kBackHoverId);
    picKonec->move(Layout::kResultsBack.topLeft());
    picKonec->setPictures(m_services.resources().picture(PictureNames::resultsBack(ButtonLook::Normal)),
                          m_services.resources().picture(PictureNames::resultsBack(ButtonLook::Highlighted)));
    connect(picKonec, &PictureButton::mouseMoved, this, [this] {
        EnterHoverItem(m_services, *this, kBackHoverId);
        picKonec->showHighlighted();
    });
    connect(picKonec, &PictureButton::clicked, this, &FrmTabulka::back);
    picKonec->installEventFilter(this);
    picKonec->setAccessibleName(QStringLiteral("Späť"));
    picKonec->setAccessibleDescription(backDescription());
    setAccessibleName(QStringLiteral("Tabuľka výsledkov"));
    connect(this, &Form::backgroundMouseMoved, this, [this] {
        picKonec->showNormal();
        ClearHoverItem(*this);
    });

    // The table's own widget holds its headings and cells, so that a screen
    // reader meets one table with column headers rather than fifty loose texts.
    const QRect area(Layout::kColumnLeft.front(), Layout::kRowTop - Layout::kRowStep,
                     Layout::kColumnLeft.back() + Layout::kColumnWidth.back() - Layout::kColumnLeft.front(),
                     Layout::kRowStep * (kRows + 1));
    m_table = new QWidget(this);
    m_table->setGeometry(area);
    m_table->setAttribute(Qt::WA_TransparentForMouseEvents);
    QList<QWidget*> headers;
    for (std::size_t column = 0; column < Layout::kColumnLeft.size(); ++column) {
        // The headings are painted on the background; this one only names its column.
        auto* header = new QWidget(m_table);
        header->setGeometry(Layout::kColumnLeft[column] - area.left(), 0, Layout::kColumnWidth[column],
                            Layout::kRowHeight);
        headers.append(header);
    }
    QList<QList<QWidget*>> cells;
    for (int row = 0; row < kRows; ++row) {
        QList<QWidget*> cellRow;
        for (std::size_t column = 0; column < Layout::kColumnLeft.size(); ++column) {
            auto* label = new QLabel(m_table);
            label->setGeometry(Layout::kColumnLeft[column] - area.left(),
                               Layout::kRowTop + Layout::kRowStep * row - area.top(), Layout::kColumnWidth[column],
                               Layout::kRowHeight);
            label->setTextFormat(Qt::PlainText);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            m_rows[static_cast<std::size_t>(row)][column] = label;
            cellRow.append(label);
        }
        cells.append(cellRow);
    }
    // Named only now: naming a widget describes it, and Qt keeps the first description.
    RankingTableAccessible::assign(m_table, headers, cells);
    m_table->setAccessibleName(QStringLiteral("Poradie"));
    for (std::size_t column = 0; column < headings().size(); ++column)
        headers.at(static_cast<qsizetype>(column))->setAccessibleName(headings()[column]);
    NormaliseControls(*this);

    const QImage task = m_services.resources().image(PictureNames::taskPicture(m_setup.taskCode));
    BlitTransparent(persistentImage(), 0, 0, task.width(), task.height(), task, 0, 0, Palette::transparent());

    // An unreadable ranking is not an empty one: the pupil is told why it shows nothing.
    const auto read = rankingFile().read();
    if (read)
        m_ranking = read.value();
    else
        m_services.showMessage(QStringLiteral("Poradie sa nedá prečítať"),
                               QStringLiteral("Poradie tejto úlohy sa nepodarilo prečítať, preto v tabuľke chýbajú "
                                              "doterajšie výsledky. Povedz to, prosím, učiteľovi.\r\n\r\n")
                                   + read.error().message(),
                               MessageIcon::Warning);
    showRanking();
    ClearHoverItem(*this);
}

results::RankingFile FrmTabulka::rankingFile() const
{
    return results::RankingFile(m_resultsDir, m_setup.taskCode);
}

QLabel* FrmTabulka::cell(int row, int column) const
{
    return m_rows.at(static_cast<std::size_t>(row - 1)).at(static_cast<std::size_t>(column));
}

QString FrmTabulka::Vlozeni_znamky(std::uint8_t correct, std::uint8_t total) const
{
    return results::MarkCalculator::Vlozeni_znamky(m_services.resources().tables().marks, correct, total);
}

void FrmTabulka::Vloz_novy_zaznam(const QString& name, const QString& correct, const QString& wrong,
                                  const QString& mark, std::uint8_t isNew)
{
    // Read again under the lock: other pupils may have finished meanwhile.
    const auto written = rankingFile().update(m_ranking, [&](results::Ranking& ranking) {
        ranking.insert(name, correct.toInt(), wrong.toInt(), mark, isNew != 0);
    });
    m_rankingOutcome = written;
    m_ownResult = QStringLiteral("Tvoj výsledok: %1, správne %2, nesprávne %3").arg(name, correct, wrong)
                  + (mark.isEmpty() ? QStringLiteral(".") : QStringLiteral(", známka %1.").arg(mark));
    showRanking();
}

void FrmTabulka::Vloz_zaznam_do_souboru_vysledky_dat(const QString& name, const QString& topic,
                                                     const QString& taskType, const QString& correct,
                                                     const QString& wrong, const QString& mark)
{
    results::ResultsLogEntry entry;
    entry.name = name;
    entry.topic = topic;
    entry.taskTitle = taskType;
    entry.exampleCount = m_setup.exampleCount;
    entry.correct = correct.toInt();
    entry.wrong = wrong.toInt();
    entry.mark = mark;
    const QDateTime now = m_services.now();
    entry.date = now.date();
    entry.time = now.time();
    reportWriteFailures(results::ResultsLog(m_resultsDir).append(entry));
}

void FrmTabulka::showRanking()
{
    // The pupil's new row says it is theirs, on the table and on "Späť", which has the focus.
    QString own = m_ownResult;
    const auto rows = m_ranking.tableRows();
    int filled = 0;
    for (int i = 0; i < kRows && i < rows.size(); ++i) {
        const auto& row = rows.at(i);
        const RowLabels& labels = m_rows[static_cast<std::size_t>(i)];
        const QString texts[] = {row.position, row.name, row.correct, row.wrong, row.mark};
        if (!row.name.isEmpty())
            filled = i + 1;
        if (row.isNew && !own.isEmpty())
            own = QStringLiteral("%1 miesto. ").arg(row.position) + own;
        for (std::size_t column = 0; column < labels.size(); ++column) {
            QLabel* label = labels[column];
            // Set only when changed: every change is an event a screen reader hears.
            if (label->accessibleName() != texts[column])
                label->setAccessibleName(texts[column]);
            if (const QString mine = row.isNew ? QStringLiteral("Tvoj výsledok") : QString();
                label->accessibleDescription() != mine)
                label->setAccessibleDescription(mine);
            // A long name ends in an ellipsis rather than running into the counts.
            const QFontMetricsF metrics(label->font());
            label->setText(TextElision::elide(
                texts[column], label->width(), [&metrics](const QString& shown) { return metrics.horizontalAdvance(shown); },
                TextElision::mostCharacters(label->width(), metrics.height())));
            paint(label, row.isNew ? NewRecordColour : QColor(Qt::black));
        }
    }
    RankingTableAccessible::setRowCount(m_table, filled);
    if (m_table->accessibleDescription() != own)
        m_table->setAccessibleDescription(own);
    picKonec->setAccessibleDescription((own.isEmpty() ? QString() : own + QLatin1Char(' ')) + backDescription());
}

void FrmTabulka::reportWriteFailures(const FileOutcome& log)
{
    const FileOutcome& ranking = m_rankingOutcome;
    if (ranking.ok() && log.ok())
        return;
    QString what;
    if (!ranking.ok() && !log.ok())
        what = QStringLiteral("Tvoj výsledok sa nepodarilo uložiť ani do poradia úlohy, ani do zoznamu výsledkov.");
    else if (!ranking.ok())
        what = QStringLiteral("Tvoj výsledok je zapísaný v zozname výsledkov, ale do poradia úlohy sa nezapísal.");
    else
        what = QStringLiteral("Tvoj výsledok je zapísaný v poradí úlohy, ale do zoznamu výsledkov sa nezapísal.");
    QStringList why;
    for (const FileOutcome* outcome : {&ranking, &log}) {
        if (outcome->ok())
            continue;
        why.append(outcome->busy ? QStringLiteral("Iný program práve zapisoval do toho istého súboru a neskončil včas.")
                                 : QStringLiteral("Do súboru sa nedalo zapísať."));
        why.append(outcome->error);
    }
    why.removeDuplicates();
    m_services.showMessage(QStringLiteral("Výsledok sa neuložil"),
                           what + QStringLiteral("\r\nDoterajšie výsledky zostali zachované. Povedz to, prosím, "
                                                 "učiteľovi.\r\n\r\n")
                               + why.join(QStringLiteral("\r\n")),
                           MessageIcon::Warning);
}

void FrmTabulka::back()
{
    PlayClickSound(m_services);
    ScreenHost* host = ScreenHost::of(this);
    if (!host)
        return;
    if (ReturnForm)
        host->showForm(ReturnForm);
    host->unloadForm(this);
}

void FrmTabulka::formActivated()
{
    m_freshScreen = true;
    picKonec->setFocus(Qt::TabFocusReason);
}

bool FrmTabulka::eventFilter(QObject* watched, QEvent* event)
{
    // The table button of the task form stands where the back button does:
    // the second click of a double click on it is not the pupil's click here.
    if (watched == picKonec && event->type() == QEvent::MouseButtonDblClick && m_freshScreen)
        return true;
    if (watched == picKonec && event->type() == QEvent::MouseButtonPress)
        m_freshScreen = false;
    return Form::eventFilter(watched, event);
}

void FrmTabulka::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
        if (!event->isAutoRepeat())
            back();
        return;
    default:
        Form::keyPressEvent(event);
    }
}

bool FrmTabulka::focusNextPrevChild(bool)
{
    // The back button is the one control: Tab keeps the focus on it.
    picKonec->setFocus(Qt::TabFocusReason);
    return true;
}

void FrmTabulka::addTourStates(Tour& tour, Services& services)
{
    const auto show = [&services](ScreenHost& host, bool addSeries) {
        if (QWidget* previous = host.findForm(QStringLiteral("frm_Tabulka")))
            host.unloadForm(previous);
        // Twelve earlier series in a data directory of the tour's own; the
        // installation's rankings stay untouched.
        QTemporaryDir data;
        if (!data.isValid()) {
            std::fprintf(stderr, "orbeta: no temporary data directory for the ranking: %s\n",
                         qPrintable(data.errorString()));
            return;
        }
        const QString resultsDir = data.path() + QLatin1Char('/');
        SeriesSetup setup;
        setup.taskCode = QStringLiteral("1a");
        const char* const names[] = {"Peter Kováč", "Jana Horváthová", "Martin Baláž", "Lucia Šimková",
                                     "Tomáš Novák", "Katarína Ľuptáková", "Michal Tóth", "Veronika Vargová",
                                     "Ondrej Mráz", "Zuzana Kollárová", "Adam Čierny", "Ema Štefániková"};
        const int correct[] = {10, 10, 9, 9, 8, 8, 7, 6, 6, 5, 4, 3};
        // The marks the mark table gives: 70 % is a 3, 30 % a 4.
        const int marks[] = {1, 1, 1, 1, 2, 2, 3, 3, 3, 3, 4, 4};
        QList<results::RankingRecord> records;
        for (int i = 0; i < 12; ++i)
            records.append({QString::fromUtf8(names[i]), std::int16_t(correct[i]), std::int16_t(10 - correct[i]),
                            std::int16_t(marks[i]), false});
        results::RankingFile(resultsDir, setup.taskCode).write(results::Ranking(records));
        auto* table = new FrmTabulka(services, setup, resultsDir, host.stage());
        if (addSeries)
            table->Vloz_novy_zaznam(QStringLiteral("Zuzana Ďurčová"), QStringLiteral("8"), QStringLiteral("2"),
                                    QStringLiteral("2"), 1);
        host.showForm(table);
    };
    tour.add(QStringLiteral("frm_Tabulka"), QStringLiteral("new-record"),
             [show](ScreenHost& host) { show(host, true); });
    tour.add(QStringLiteral("frm_Tabulka"), QStringLiteral("ranking"), [show](ScreenHost& host) { show(host, false); });
}

} // namespace orbeta

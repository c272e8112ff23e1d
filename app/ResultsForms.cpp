// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ResultsForms.h"

#include "results/forms/FrmChybovy.h"
#include "results/forms/FrmTabulka.h"
#include "screen/ScreenHost.h"
#include "services/Services.h"

namespace orbeta {

void ResultsForms::finishSeries(const SeriesSetup& setup, const SeriesResult& series, QWidget* returnForm)
{
    ScreenHost* host = ScreenHost::of(returnForm);
    auto* table = new FrmTabulka(m_services, setup, m_services.resources().installation().resultsDir,
                                 host ? host->stage() : returnForm);
    const auto correct = std::uint8_t(series.correct);
    const auto total = std::uint8_t(series.correct + series.wrong);
    const QString correctText = QString::number(series.correct);
    const QString wrongText = QString::number(series.wrong);
    QString mark = table->Vlozeni_znamky(correct, total);
    table->Vloz_novy_zaznam(series.pupilName, correctText, wrongText, mark, 1);
    mark = table->Vlozeni_znamky(correct, total);
    table->Vloz_zaznam_do_souboru_vysledky_dat(series.pupilName, series.topicName, series.taskTitle, correctText, wrongText, mark);
    table->ReturnForm = returnForm;
    if (host)
        host->showForm(table);
}

void ResultsForms::showRanking(const SeriesSetup& setup, QWidget* returnForm)
{
    ScreenHost* host = ScreenHost::of(returnForm);
    auto* table = new FrmTabulka(m_services, setup, m_services.resources().installation().resultsDir,
                                 host ? host->stage() : returnForm);
    table->ReturnForm = returnForm;
    if (host)
        host->showForm(table);
}

HintWindow* ResultsForms::createHint(HintBubble bubble, QWidget* parent)
{
    auto* hint = new FrmChybovy(m_services.resources(), bubble, parent);
    hint->hide();
    return hint;
}

} // namespace orbeta

// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "menu/FrmSelect.h"
#include "menu/FrmSetup.h"
#include "menu/TaskForms.h"
#include "results/forms/FrmTabulka.h"
#include "screen/ScreenHost.h"
#include "tests/support/FakeServices.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <memory>

namespace orbeta::test {

// The menu of the build tree's installation in front, on a fixed clock; a
// task chosen in it opens its setup screen.
class MenuFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("ORBETA_WINDIR", qgetenv("ORBETA_BUILD_DIR"));
        services.setTime(1000);
        host = std::make_unique<ScreenHost>();
        menu = new FrmSelect(services, host->stage());
        ASSERT_TRUE(menu->load(*host, DisplayChoice::Window, false));
        QObject::connect(menu, &FrmSelect::taskChosen, menu,
                         [this] { FrmSetup::open(services, taskForms, *menu, menu->chosenTaskCode()); });
    }

    void TearDown() override { host.reset(); }

    // Lets the clock run until every button of the setup screen has appeared.
    void finishAnimations(FrmSetup* setup)
    {
        services.advance(2000);
        setup->animate(services.tickCount());
    }

    // The calculation tasks end their series at once and show the ranking
    // kept in `resultsDir`, handing over as the task forms do.
    void endSeriesAtOnce(const QString& resultsDir)
    {
        taskForms.add(TaskFormKind::Mech1, {[this, resultsDir](const SeriesSetup& series) {
                          ++seriesStarted;
                          auto* table = new FrmTabulka(services, series, resultsDir, host->stage());
                          table->Vloz_novy_zaznam(series.pupilName, QStringLiteral("3"), QStringLiteral("0"),
                                                  QStringLiteral("1"), 1);
                          table->ReturnForm = host->findForm(QStringLiteral("frm_Setup"));
                          host->showForm(table);
                          return std::unique_ptr<QWidget>();
                      }});
    }

    FakeServices services;
    TaskForms taskForms;
    std::unique_ptr<ScreenHost> host;
    FrmSelect* menu = nullptr;
    int seriesStarted = 0;
};

} // namespace orbeta::test

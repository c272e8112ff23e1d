// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/ResultsForms.h"
#include "calc/basics/Quantity.h"
#include "calc/form/FrmMech1.h"
#include "history/forms/FrmDvojice.h"
#include "history/forms/FrmOsa.h"
#include "optics/FrmZobr.h"
#include "screen/PictureButton.h"
#include "screen/ScreenHost.h"
#include "tasks/SeriesSetup.h"
#include "tests/support/FakeServices.h"

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace orbeta::test {

// The value of an asked quantity as a pupil types it: three decimals, comma.
QString typed(const Reading& value);
// The optics form's randomness as the program builds it, from a series seed.
SeriesRandom seededRandom();

// A pupil's series on a task form: a copy of the installed data directory,
// the tables of the start-up in the services' resources, the results forms
// behind the form, and a setup screen to return to.
class TaskSeriesFixture : public ::testing::Test {
protected:
    void SetUp() override;

    static QString buildDir();
    // An installed data file of the build.
    static QByteArray installed(const QString& name);
    // Replaces data file `name` of the copy by `lines`, encoded with `seed`.
    void writeData(const QString& name, const QStringList& lines, std::uint32_t seed);
    // Lines in the copy's results log; four per finished series.
    int logLines() const;
    // After the deletions a finished series posts: the form opened last is
    // gone, the ranking of `code` holds the series as its one record, and the
    // log four lines more than when the task was chosen.
    void expectRecorded(const QString& code, int correct, int wrong);

    // The offscreen window is never active: its own focus is where keys go.
    QWidget* focus() const { return host.stage()->window()->focusWidget(); }
    // The task and the series' length into `series`, as the setup screen sets them.
    void choose(const QString& code, int count);
    // An opened form brought to the front; null when it did not open.
    template <class F>
    F* show(std::unique_ptr<F> form)
    {
        EXPECT_TRUE(form) << services.messages.join(QLatin1Char('\n')).toStdString();
        F* raw = form.release();
        if (raw)
            host.showForm(raw);
        opened = raw;
        return raw;
    }
    // The form of task `code` opened on a series of `count` and brought to the front.
    FrmMech1* openCalc(const QString& code, std::uint64_t seed, int count = 3);
    FrmZobr* openOptics(const QString& code, std::uint64_t seed, int count = 3);
    FrmDvojice* openPairs(int count, std::uint64_t seed = 1);
    FrmOsa* openTimeline(const QString& code, int count, std::uint64_t seed = 1);

    QTemporaryDir data;
    FakeServices services;
    ResultsForms results{services};
    ScreenHost host;
    QWidget setup{host.stage()};
    // What the setup screen hands the form.
    SeriesSetup series;
    QPointer<QWidget> opened;
    int logBefore = 0;
};

} // namespace orbeta::test

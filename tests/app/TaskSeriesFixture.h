// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/ResultsForms.h"
#include "shell/ScreenHost.h"
#include "tests/support/FakeServices.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace orbeta::test {

// A pupil's series on a task form: a copy of the installed data directory,
// the tables of the start-up in the globals, the results forms behind the
// form, and a setup screen to return to.
class TaskSeriesFixture : public ::testing::Test {
protected:
    void SetUp() override;

    static QString buildDir();
    // An installed data file of the build.
    static QByteArray installed(const QString& name);
    // Lines in the copy's results log; four per finished series.
    int logLines() const;

    QTemporaryDir data;
    FakeServices services;
    ResultsForms results{services};
    ScreenHost host;
    QWidget setup{host.stage()};
};

} // namespace orbeta::test

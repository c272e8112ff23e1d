// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frame/ResultsLink.h"

namespace orbeta {

class Services;

// The results forms as the task forms reach them.
class ResultsForms : public ResultsLink {
public:
    explicit ResultsForms(Services& services) : m_services(services) {}

    void finishSeries(const SeriesSetup& setup, const SeriesResult& series, QWidget* returnForm) override;
    void showRanking(const SeriesSetup& setup, QWidget* returnForm) override;
    HintWindow* createHint(HintBubble bubble, QWidget* parent) override;

private:
    Services& m_services;
};

} // namespace orbeta

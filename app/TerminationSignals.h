// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QSocketNotifier;

namespace orbeta {

// A logout or a shutdown ends the program with SIGHUP or SIGTERM, a terminal
// with SIGINT. Their default action would end it on the spot, leaving its
// runtime folder behind; caught, they end the event loops instead, so that
// the program unwinds and removes what it made. The signal is then raised
// again, so that whoever waits for the program still sees how it ended.
class TerminationSignals : public QObject {
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // The signal that came, 0 while none did.
    static int received();
    // Ends the process by the signal with its default action (to be called
    // once everything has been unwound); returns when `signal` is 0.
    static void endBy(int signal);

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace orbeta

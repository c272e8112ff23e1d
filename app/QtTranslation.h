// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTranslator>

namespace orbeta {

// Qt's own texts in Slovak: the buttons of message boxes and dialogs, the
// print dialog. Qt 6 asks for the standard buttons' texts under a context
// that the Slovak catalogue of the distribution does not have yet; it has
// the same texts under the context Qt 5 used, so they are looked up there.
class QtTranslation : public QTranslator {
public:
    // Loads the catalogue and installs it; false when it is not installed
    // on this machine (Qt's texts then stay English).
    bool install();

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return m_catalogue.isEmpty(); }

private:
    QTranslator m_catalogue;
};

} // namespace orbeta

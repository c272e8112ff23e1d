// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FileResult.h"
#include "print/page/WorksheetContent.h"

#include <memory>

namespace orbeta::print {

// The worksheet content of each task form.
class WorksheetContents {
public:
    // The content of the request's task with its data read from `dataDir`;
    // the error names the file that could not be read.
    static FileResult<std::unique_ptr<WorksheetContent>> load(const WorksheetRequest& request, const QString& dataDir);
};

} // namespace orbeta::print

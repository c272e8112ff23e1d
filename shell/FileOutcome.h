#pragma once

#include <QString>

namespace orbeta {

// How a write to the data directory went: empty on success, otherwise a
// message naming the file and the cause, for the pupil or the teacher.
struct FileOutcome {
    QString error;

    bool ok() const { return error.isEmpty(); }
};

} // namespace orbeta

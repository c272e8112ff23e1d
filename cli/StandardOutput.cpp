// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/StandardOutput.h"

#include "cli/Commands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace orbeta::cli {

void StandardOutput::write(std::string_view bytes)
{
    errno = 0;
    if (m_error == 0 && std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size())
        m_error = errno != 0 ? errno : EIO;
}

int StandardOutput::finish()
{
    errno = 0;
    if (m_error == 0 && std::fflush(stdout) != 0)
        m_error = errno != 0 ? errno : EIO;
    if (m_error == 0)
        return Ok;
    std::fprintf(stderr, "orbeta-cli: cannot write standard output: %s\n", std::strerror(m_error));
    return BadFile;
}

} // namespace orbeta::cli

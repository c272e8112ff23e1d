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
    writeGathered();
    put(bytes);
}

void StandardOutput::writeLine(std::string_view line)
{
    m_lines += line;
    m_lines += '\n';
    if (m_lines.size() > (1 << 16))
        writeGathered();
}

void StandardOutput::writeGathered()
{
    if (m_lines.empty())
        return;
    put(m_lines);
    m_lines.clear();
}

void StandardOutput::put(std::string_view bytes)
{
    errno = 0;
    if (m_error == 0 && std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size())
        m_error = errno != 0 ? errno : EIO;
}

int StandardOutput::finish()
{
    writeGathered();
    errno = 0;
    if (m_error == 0 && std::fflush(stdout) != 0)
        m_error = errno != 0 ? errno : EIO;
    if (m_error == 0)
        return Ok;
    std::fprintf(stderr, "orbeta-cli: cannot write standard output: %s\n", std::strerror(m_error));
    return BadFile;
}

} // namespace orbeta::cli

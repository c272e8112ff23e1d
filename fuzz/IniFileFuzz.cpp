// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Orbeta.ini: the directories the program and the command line look up.
#include "fuzz/FuzzCheck.h"

#include "formats/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbeta;
    const IniFile ini(fuzz::bytesOf(data, size));
    for (const char* key : {"CD", "HD"}) {
        const auto dir = ini.directory(QStringLiteral("TRV"), QLatin1String(key));
        fuzz::require(!dir || dir->endsWith(QLatin1Char('/')) || dir->endsWith(QLatin1Char('\\')),
                      "a directory ends in a separator");
    }
    ini.value(QStringLiteral("trv"), QStringLiteral("hd"), QStringLiteral("fallback"));
    return 0;
}

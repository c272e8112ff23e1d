# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The clang build of the fuzz targets (CMakePresets.json, preset "fuzz"): only
# the rules libraries they need, built with libFuzzer's coverage and the
# address and undefined-behaviour sanitizers.
include(cmake/OrbetaTargets.cmake)
find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets Multimedia)
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
foreach(folder tasks look formats files services screen frame calc optics results history print)
  add_subdirectory(${folder} EXCLUDE_FROM_ALL)
endforeach()
enable_testing()
add_subdirectory(fuzz)

# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later

# One run of a fuzz target under CTest: collects the seed files that exist
# (the real data files of a build and of data/src, and fuzz/seeds), then
# fuzzes for SECONDS (or $ORBETA_FUZZ_SECONDS), keeping what it learns in
# WORK/corpus for the next run. A crash, a leak, a broken property or an
# input slower than 10 s fails the test; the input is left in WORK.
#   cmake -DFUZZER=... -DWORK=... -DSECONDS=... -DSEEDS=glob|glob|... -P RunFuzzer.cmake
if(DEFINED ENV{ORBETA_FUZZ_SECONDS})
  set(SECONDS $ENV{ORBETA_FUZZ_SECONDS})
endif()
file(REMOVE_RECURSE ${WORK}/seeds)
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/seeds)
string(REPLACE "|" ";" patterns "${SEEDS}")
set(count 0)
foreach(pattern IN LISTS patterns)
  file(GLOB found LIST_DIRECTORIES false ${pattern})
  foreach(seed IN LISTS found)
    get_filename_component(folder ${seed} DIRECTORY)
    get_filename_component(folder ${folder} NAME)
    get_filename_component(name ${seed} NAME)
    file(COPY_FILE ${seed} ${WORK}/seeds/${folder}-${name})
    math(EXPR count "${count} + 1")
  endforeach()
endforeach()
message(STATUS "${count} seed files, ${SECONDS} s")
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048 -max_len=65536
          -print_final_stats=1 -artifact_prefix=${WORK}/ ${WORK}/corpus ${WORK}/seeds
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${FUZZER} found a failing input (exit status ${status}); see ${WORK}/")
endif()

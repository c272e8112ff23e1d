# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Our own code builds with all warnings, as errors with ORBETA_WERROR; Qt and
# GoogleTest headers are system headers and stay out of it.
function(orbeta_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${ORBETA_WERROR}>:-Werror>)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# A widget-free library of rules (may use QtCore for text).
function(orbeta_rules_library target)
  add_library(${target} STATIC ${ARGN})
  orbeta_defaults(${target})
  target_link_libraries(${target} PUBLIC Qt6::Core)
endfunction()

# A library of forms and platform services.
function(orbeta_ui_library target)
  add_library(${target} STATIC ${ARGN})
  orbeta_defaults(${target})
  target_link_libraries(${target} PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets)
endfunction()

# A GoogleTest executable under CTest. Tests of widgets run on the offscreen
# platform; link orbeta_test_qt_main for a QApplication, otherwise GTest::gtest_main.
function(orbeta_test target)
  add_executable(${target} ${ARGN})
  orbeta_defaults(${target})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST TEST_LIST ${target}_TESTS)
  # gtest_discover_tests loses the escaped separators of a list-valued property,
  # so the environment is set by a script that runs after the discovery.
  set(environment
    QT_QPA_PLATFORM=offscreen
    ORBETA_MESSAGEBOX=ok
    ORBETA_SOURCE_DIR=${PROJECT_SOURCE_DIR}
    ORBETA_BUILD_DIR=${CMAKE_BINARY_DIR})
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}_environment.cmake)
  file(WRITE ${script}
    "if(${target}_TESTS)\n"
    "  set_tests_properties(\${${target}_TESTS} PROPERTIES ENVIRONMENT [==[${environment}]==])\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
endfunction()

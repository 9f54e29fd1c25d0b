# SPDX-License-Identifier: GPL-3.0-or-later
# quorvia_bibliothek(NAME QUELLEN <files...> ABHAENGIG <targets...>)
# A static library of the given sources, with src/ as include root.
function(quorvia_bibliothek name)
    cmake_parse_arguments(ARG "" "" "QUELLEN;ABHAENGIG" ${ARGN})
    add_library(${name} STATIC ${ARG_QUELLEN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_ABHAENGIG})
endfunction()

# quorvia_test(NAME QUELLEN <files...> ABHAENGIG <targets...>)
# One GoogleTest executable registered with CTest, test by test.
function(quorvia_test name)
    cmake_parse_arguments(ARG "" "" "QUELLEN;ABHAENGIG;UMGEBUNG" ${ARGN})
    add_executable(${name} ${ARG_QUELLEN})
    target_link_libraries(${name} PRIVATE ${ARG_ABHAENGIG} GTest::gtest GTest::gmock
                                          GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src
                                               ${PROJECT_SOURCE_DIR}/tests)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${ARG_UMGEBUNG}")
endfunction()

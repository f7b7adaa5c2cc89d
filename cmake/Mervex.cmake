# Helpers shared by every folder's CMakeLists.txt.

set(MERVEX_PCH_HEADERS
    <QtCore/QObject> <QtCore/QString> <QtCore/QStringList> <QtCore/QVariant>
    <QtCore/QVariantMap> <QtCore/QList> <QtCore/QHash> <QtCore/QMap> <QtCore/QByteArray>
    <QtCore/QDebug> <QtCore/QDateTime> <QtCore/QFile> <QtCore/QDir>)

# mervex_library(<name> SOURCES ... [LINKS ...])
function(mervex_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LINKS})
    target_compile_options(${name} PRIVATE -Wall -Wextra -Wno-unused-parameter)
    target_precompile_headers(${name} PRIVATE ${MERVEX_PCH_HEADERS})
endfunction()

# mervex_test(<name> SOURCES ... [LINKS ...]): a QtTest executable registered with CTest.
# Tests run offscreen with a private runtime folder (see scripts/test.sh).
function(mervex_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test ${ARG_LINKS})
    target_compile_definitions(${name} PRIVATE MERVEX_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()

# mervex_bench(<name> SOURCES ... [LINKS ...]): a Google Benchmark executable; built, never run by CTest.
function(mervex_bench name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE benchmark::benchmark ${ARG_LINKS})
endfunction()

# Helpers shared by every folder's CMakeLists.txt.

set(MERVEX_PCH_HEADERS
    <QtCore/QObject> <QtCore/QString> <QtCore/QStringList> <QtCore/QVariant>
    <QtCore/QVariantMap> <QtCore/QList> <QtCore/QHash> <QtCore/QMap> <QtCore/QByteArray>
    <QtCore/QDebug> <QtCore/QDateTime> <QtCore/QFile> <QtCore/QDir>)

# Warnings in the project's own code are errors (GCC, the compiler the project is built with; the clang build of
# fuzz/ keeps them warnings). Third-party headers are system includes and stay quiet.
option(MERVEX_WERROR "Treat warnings in the project's own code as errors" ON)
set(MERVEX_WARNING_FLAGS -Wall -Wextra -Wno-unused-parameter)
if(MERVEX_WERROR AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    list(APPEND MERVEX_WARNING_FLAGS -Werror)
endif()

# mervex_warnings(<target> ...): the project's warning flags on the targets.
function(mervex_warnings)
    foreach(_t ${ARGN})
        target_compile_options(${_t} PRIVATE ${MERVEX_WARNING_FLAGS})
    endforeach()
endfunction()

# mervex_library(<name> SOURCES ... [LINKS ...])
function(mervex_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_link_libraries(${name} PUBLIC ${ARG_LINKS})
    mervex_warnings(${name})
    target_precompile_headers(${name} PRIVATE ${MERVEX_PCH_HEADERS})
endfunction()

# mervex_folder_library(<name> [LINKS ...]): one static library of every source below the calling folder.
# Until the folder holds sources it is an interface library carrying the links, so dependants still configure.
function(mervex_folder_library name)
    cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
    file(GLOB_RECURSE _src CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    set(_has_cpp OFF)
    foreach(_f ${_src})
        if(_f MATCHES "\\.cpp$")
            set(_has_cpp ON)
        endif()
    endforeach()
    if(_has_cpp)
        mervex_library(${name} SOURCES ${_src} LINKS ${ARG_LINKS})
    else()
        add_library(${name} INTERFACE)
        target_link_libraries(${name} INTERFACE ${ARG_LINKS})
    endif()
endfunction()

# mervex_test(<name> SOURCES ... [LINKS ...]): a QtTest executable registered with CTest.
# Tests run offscreen with a private runtime folder (see scripts/test.sh).
function(mervex_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test mv_resources ${ARG_LINKS})
    mervex_warnings(${name})
    target_compile_definitions(${name} PRIVATE MERVEX_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
    add_test(NAME ${name} COMMAND ${name})
    # The maker's web servers are a closed local port: no test reaches the internet unless it names a server
    # of its own.
    set(_no_web "MERVEX_WEB_HOST=127.0.0.1:9;MERVEX_SUPPORT_DOMAIN=127.0.0.1:9;MERVEX_ACCOUNT_HOST=127.0.0.1:9;MERVEX_ACCOUNT_WEB_HOST=127.0.0.1:9")
    # A phone server a test opens on the program's own ports listens on the loopback address only.
    set_tests_properties(${name} PROPERTIES ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;MERVEX_RECORD_POWER=1;MERVEX_SERVER_ADDRESS=127.0.0.1;${_no_web}" TIMEOUT 300)
endfunction()

# What every test on an X display carries in its environment. None of the program's windows draws with GL, and
# the toolkit's GL integration would load the system's GL driver (Mesa's DRI modules), whose own leaks and
# unloading differ from machine to machine.
set(MERVEX_SCREEN_TEST_ENV "QT_XCB_GL_INTEGRATION=none")

# mervex_screen_test(<name> [LANGUAGES]): the executable <name> as a test on a private X display (xvfb-run, label
# "screen"); without xvfb-run it runs offscreen and skips itself. scripts/check-tests.py holds every display test
# to this. With LANGUAGES it runs once per offered language (one per program translation source): <name> in
# English and <name>_<code> for each other, with MERVEX_SCREEN_LANGUAGE=<code> in its environment.
function(mervex_screen_test name)
    cmake_parse_arguments(ARG "LANGUAGES" "" "" ${ARGN})
    set(_codes en)
    if(ARG_LANGUAGES)
        file(GLOB _sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/shell/translations/mervexsrv_*.ts)
        foreach(_ts ${_sources})
            string(REGEX REPLACE ".*/mervexsrv_([a-z]+)\\.ts$" "\\1" _code ${_ts})
            if(NOT _code STREQUAL "en")
                list(APPEND _codes ${_code})
            endif()
        endforeach()
    endif()
    find_program(XVFB_RUN xvfb-run)
    foreach(_code ${_codes})
        set(_test ${name})
        if(NOT _code STREQUAL "en")
            set(_test ${name}_${_code})
        endif()
        if(XVFB_RUN)
            add_test(NAME ${_test} COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:${name}>)
            set(_platform xcb)
        else()
            add_test(NAME ${_test} COMMAND ${name})
            set(_platform offscreen)
        endif()
        set_tests_properties(${_test} PROPERTIES LABELS screen TIMEOUT 120
            ENVIRONMENT "QT_QPA_PLATFORM=${_platform};${MERVEX_SCREEN_TEST_ENV};MERVEX_SCREEN_LANGUAGE=${_code}")
    endforeach()
endfunction()

# mervex_bench(<name> SOURCES ... [LINKS ...]): a Google Benchmark executable; built, never run by CTest.
function(mervex_bench name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE benchmark::benchmark ${ARG_LINKS})
    mervex_warnings(${name})
endfunction()

# mervex_test_folder([LINKS ...]): every test_*.cpp of the calling folder becomes one test executable.
function(mervex_test_folder)
    cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
    file(GLOB _tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/test_*.cpp)
    foreach(_t ${_tests})
        get_filename_component(_n ${_t} NAME_WE)
        mervex_test(${_n} SOURCES ${_t} LINKS ${ARG_LINKS})
    endforeach()
endfunction()

# mervex_bench_folder([LINKS ...]): every bench_*.cpp of the calling folder becomes one benchmark executable.
function(mervex_bench_folder)
    cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
    file(GLOB _benches CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/bench_*.cpp)
    foreach(_b ${_benches})
        get_filename_component(_n ${_b} NAME_WE)
        mervex_bench(${_n} SOURCES ${_b} LINKS ${ARG_LINKS})
    endforeach()
endfunction()

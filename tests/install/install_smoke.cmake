# Runs the installed program headless from a folder without a data folder and checks that it took the installed
# one, started and stopped cleanly, and wrote nothing into it (an installed data folder is read-only).
# -DPREFIX= -DBINDIR= -DDATADIR= -DWORK=
cmake_minimum_required(VERSION 3.20)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/cwd ${WORK}/user ${WORK}/runtime)
file(CHMOD ${WORK}/runtime PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
# The program names its folders as the system resolves them.
file(REAL_PATH ${PREFIX}/${DATADIR}/vellichor/Data data)

function(snapshot out)
    file(GLOB_RECURSE files ${data}/*)
    set(stamps)
    foreach(f ${files})
        file(TIMESTAMP ${f} t "%s")
        list(APPEND stamps "${f}@${t}")
    endforeach()
    set(${out} "${stamps}" PARENT_SCOPE)
endfunction()
snapshot(before)
if(NOT before)
    message(FATAL_ERROR "no installed data folder at ${data}")
endif()

execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=MERVEX_DATA_DIR QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${WORK}/runtime
            MERVEX_INSTANCE_NAME=install-smoke MERVEX_TCP_PORT=0 MERVEX_UDP_PORT=0 MERVEX_USER_DIR=${WORK}/user
            ${PREFIX}/${BINDIR}/vellichor --smoke
    WORKING_DIRECTORY ${WORK}/cwd TIMEOUT 60 RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
snapshot(after)

set(problems)
if(NOT rc EQUAL 0)
    list(APPEND problems "the program ended with ${rc}")
endif()
string(FIND "${out}" "loading the configuration from \"${data}/\"" at)
if(at EQUAL -1)
    list(APPEND problems "the program did not load ${data}/")
endif()
if(NOT before STREQUAL after)
    list(APPEND problems "the program changed its installed data folder")
endif()
if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "installed program:\n  ${text}\noutput:\n${out}")
endif()

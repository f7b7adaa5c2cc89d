# Installs the build into PREFIX and checks the layout a Linux desktop expects.
# -DBUILD= -DSOURCE= -DPREFIX= -DBINDIR= -DLIBDIR= -DDATADIR= -DINCLUDEDIR= [-DVALIDATE=desktop-file-validate]
cmake_minimum_required(VERSION 3.20)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

set(problems)
set(data ${DATADIR}/vellichor/Data)
foreach(f ${BINDIR}/vellichor ${BINDIR}/vellichor-crash ${BINDIR}/vellichor-crash-stack
          ${DATADIR}/applications/vellichor.desktop
          ${DATADIR}/icons/hicolor/scalable/apps/vellichor.svg ${DATADIR}/doc/vellichor/LICENSE-Play.txt
          ${INCLUDEDIR}/zynapi.h
          ${LIBDIR}/libZYNAPI.so.1.0.0 ${LIBDIR}/libzynservice_stub.so)
    if(NOT EXISTS ${PREFIX}/${f})
        list(APPEND problems "missing ${f}")
    endif()
endforeach()

# The linker finds the library by its plain name, the loader by its SONAME.
foreach(link_target libZYNAPI.so:libZYNAPI.so.1 libZYNAPI.so.1:libZYNAPI.so.1.0.0)
    string(REPLACE ":" ";" pair ${link_target})
    list(GET pair 0 link)
    list(GET pair 1 target)
    if(NOT IS_SYMLINK ${PREFIX}/${LIBDIR}/${link})
        list(APPEND problems "${LIBDIR}/${link} is not a link")
    else()
        file(READ_SYMLINK ${PREFIX}/${LIBDIR}/${link} points)
        if(NOT points STREQUAL target)
            list(APPEND problems "${LIBDIR}/${link} points to ${points}, not ${target}")
        endif()
    endif()
endforeach()

# The whole default configuration, file for file.
file(GLOB_RECURSE shipped RELATIVE ${SOURCE}/data ${SOURCE}/data/*)
list(REMOVE_ITEM shipped README.md)
file(GLOB_RECURSE installed RELATIVE ${PREFIX}/${data} ${PREFIX}/${data}/*)
list(SORT shipped)
list(SORT installed)
if(NOT shipped STREQUAL installed)
    list(APPEND problems "the installed data folder differs from data/: ${installed}")
endif()

# The configuration's translations, compiled by the build, travel with the data folder.
file(GLOB config_sources RELATIVE ${SOURCE}/data-src/locale ${SOURCE}/data-src/locale/config_*.ts)
if(NOT config_sources)
    list(APPEND problems "no configuration translation sources in data-src/locale")
endif()
foreach(ts ${config_sources})
    string(REPLACE ".ts" ".qm" qm ${ts})
    if(NOT EXISTS ${PREFIX}/${data}/locale/${qm})
        list(APPEND problems "missing ${data}/locale/${qm}")
    endif()
endforeach()

# Each raster icon has the size its folder names (a PNG's width and height follow its 16-byte signature+header).
foreach(size 48 128 256)
    set(png ${PREFIX}/${DATADIR}/icons/hicolor/${size}x${size}/apps/vellichor.png)
    if(NOT EXISTS ${png})
        list(APPEND problems "missing ${size}x${size} icon")
        continue()
    endif()
    file(READ ${png} dims OFFSET 16 LIMIT 8 HEX)
    math(EXPR hex "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${hex}" 2 -1 hex)
    string(LENGTH "${hex}" len)
    math(EXPR pad "8 - ${len}")
    string(REPEAT "0" ${pad} zeros)
    if(NOT dims STREQUAL "${zeros}${hex}${zeros}${hex}")
        list(APPEND problems "${size}x${size} icon measures ${dims}")
    endif()
endforeach()

# The desktop entry starts the installed program and names the installed icon.
file(STRINGS ${PREFIX}/${DATADIR}/applications/vellichor.desktop entry)
if(NOT "Exec=vellichor %F" IN_LIST entry OR NOT "Icon=vellichor" IN_LIST entry)
    list(APPEND problems "the desktop entry names another program or icon: ${entry}")
endif()
if(VALIDATE)
    execute_process(COMMAND ${VALIDATE} ${PREFIX}/${DATADIR}/applications/vellichor.desktop
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        list(APPEND problems "desktop-file-validate: ${out}")
    endif()
endif()

if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "install layout:\n  ${text}")
endif()

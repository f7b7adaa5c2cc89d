# Builds a C program against the installed header and library only, and runs it with nothing pointing at the
# service module: the library must find the installed one beside itself.
# -DCC= -DSRC= -DPREFIX= -DLIBDIR= -DINCLUDEDIR= -DWORK=
cmake_minimum_required(VERSION 3.20)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(
    COMMAND ${CC} -std=c11 -Wall -Wextra -Werror -I${PREFIX}/${INCLUDEDIR} ${SRC} -o ${WORK}/zynconsumer
            -L${PREFIX}/${LIBDIR} -lZYNAPI -Wl,-rpath,${PREFIX}/${LIBDIR}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "building against the installed library failed:\n${out}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=ZYN_SERVICE_MODULE --unset=LD_LIBRARY_PATH ${WORK}/zynconsumer
                TIMEOUT 60 RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the installed library:\n${out}")
endif()

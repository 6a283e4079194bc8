# An install staged under DESTDIR puts every file there, the desktop entry too, and the entry
# names the folder as installed and ends the options before the file it is given.
set(prefix /forgeline-staged-prefix)
file(REMOVE_RECURSE "${STAGE}")
set(ENV{DESTDIR} "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_FOLDER}" --prefix "${prefix}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
if(EXISTS "${prefix}")
    file(REMOVE_RECURSE "${prefix}")
    message(FATAL_ERROR "the install wrote outside DESTDIR, under ${prefix}")
endif()
file(READ "${STAGE}${prefix}/share/applications/forgeline.desktop" entry)
if(NOT entry MATCHES "\nExec=\"${prefix}/forgeline\" -- %f\n")
    message(FATAL_ERROR "unexpected desktop entry:\n${entry}")
endif()
file(REMOVE_RECURSE "${STAGE}")

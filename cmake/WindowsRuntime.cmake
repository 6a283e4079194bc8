# The folders holding the DLLs a Windows build of Forgeline needs at run time: Qt's and the
# mingw runtime's (libstdc++, libgcc and winpthreads), as the compiler itself finds them.
function(forgeline_windows_runtime_folders out)
    set(folders "${FORGELINE_QT_WINDOWS}/bin")
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${found}")
            message(FATAL_ERROR "The mingw runtime's ${dll} was not found")
        endif()
        get_filename_component(folder "${found}" DIRECTORY)
        list(APPEND folders "${folder}")
    endforeach()
    list(REMOVE_DUPLICATES folders)
    set(${out} "${folders}" PARENT_SCOPE)
endfunction()

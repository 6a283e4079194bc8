#include "ExpectedFailures.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#endif

namespace forgeline::testing {

#ifdef _WIN32

bool RunningUnderWine() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

const ExpectedFailures& PlatformFailures() {
    static const ExpectedFailures windows{{2, "The system cannot find the file specified"},
                                          {3, "The system cannot find the path specified"},
                                          {5, "Access is denied"},
                                          {193, "%1 is not a valid Win32 application"},
                                          {267, "The directory name is invalid"}};
    static const ExpectedFailures wine{{2, "File not found"},
                                       {3, "Path not found"},
                                       {5, "Access denied"},
                                       {193, "Bad EXE format for %1"},
                                       {267, "Directory name invalid"}};
    return RunningUnderWine() ? wine : windows;
}

#else

bool RunningUnderWine() {
    return false;
}

const ExpectedFailures& PlatformFailures() {
    static const ExpectedFailures posix{{ENOENT, "No such file or directory"},
                                        {ENOENT, "No such file or directory"},
                                        {EISDIR, "Is a directory"},
                                        {EACCES, "Permission denied"},
                                        {ENOTDIR, "Not a directory"}};
    return posix;
}

#endif

} // namespace forgeline::testing

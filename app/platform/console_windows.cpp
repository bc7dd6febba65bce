#include "app/platform/console.h"

#include <cstdio>
#include <windows.h>

namespace geardim {

void attachToParentConsole()
{
    // A stream already redirected (to a file, a pipe) stays where it goes.
    const auto redirected = [](DWORD which) {
        const HANDLE h = ::GetStdHandle(which);
        return h != nullptr && h != INVALID_HANDLE_VALUE && ::GetFileType(h) != FILE_TYPE_UNKNOWN;
    };
    const bool out = redirected(STD_OUTPUT_HANDLE), err = redirected(STD_ERROR_HANDLE);
    if ((out && err) || !::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!out)
        std::freopen("CONOUT$", "w", stdout);
    if (!err)
        std::freopen("CONOUT$", "w", stderr);
}

} // namespace geardim

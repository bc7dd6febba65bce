#pragma once

// The program is a small launcher (app/main.cpp) that loads one of two modules: the
// command line (geardim-cli, Qt Core only) or the windows (geardim-windows, Qt Gui and
// Widgets), so that the command line starts without loading Qt's graphics libraries.
// What the launcher does before it loads any of Qt: decide between the two and open the
// module that serves the choice. The C library alone, so that the launcher's own start
// costs next to nothing beside the module it loads.
//
// That is how the program is built on Linux. Elsewhere (GEARDIM_ONE_PROGRAM) one
// program links both and calls the entries directly.
#include <climits>
#include <cstdio>
#include <cstring>
#if !defined(GEARDIM_ONE_PROGRAM)
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace geardim {

// The modules' entries, "geardimWindows" and "geardimCommandLine": the whole windowed
// program or the whole command line. Each chooses the language (taking `--lang` out of
// argv) and runs until the program ends.
using ModuleEntry = int (*)(int argc, char **argv);

namespace launch {

// True when the arguments ask for the command line rather than the windows: a first
// argument, `--lang zh|en` aside, that is a word or a long option. Qt's own
// single-dash options (-platform, -style) still start the windows.
inline bool wantsCommandLine(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (std::strcmp(arg, "--lang") == 0 && i + 1 < argc) {
            ++i;
            continue;
        }
        if (std::strncmp(arg, "--lang=", 7) == 0)
            continue;
        return arg[0] != '-' || std::strncmp(arg, "--", 2) == 0 || std::strcmp(arg, "-h") == 0
               || std::strcmp(arg, "-v") == 0;
    }
    return false;
}

#if !defined(GEARDIM_ONE_PROGRAM)
// A module binds its symbols to its own libraries first (Qt, the C++ library) and only
// then to the launcher's few: loaded so, Qt's libraries cost the loader no more than if
// the program had linked them itself, where looking through the launcher's scope first
// costs about 2% of the windows' start. (Only the C library is in both scopes.)
#ifdef RTLD_DEEPBIND
constexpr int kOpenFlags = RTLD_LAZY | RTLD_LOCAL | RTLD_DEEPBIND;
#else
constexpr int kOpenFlags = RTLD_LAZY | RTLD_LOCAL;
#endif

// Opens one of the program's modules (name with its suffix): beside the program in the
// build tree, or in its installed library folder ../lib/geardim. Says why on stderr and
// gives nothing when neither holds it.
inline void *openModule(const char *name)
{
    char path[PATH_MAX + 64];
    const ssize_t n = readlink("/proc/self/exe", path, PATH_MAX);
    path[n > 0 ? n : 0] = 0;
    char *slash = std::strrchr(path, '/');
    if (!slash) {
        std::fprintf(stderr, "geardim: cannot find the program's own folder\n");
        return nullptr;
    }
    // The path buffer leaves room for the folder's tail and a name this long.
    if (std::strlen(name) > 32) {
        std::fprintf(stderr, "geardim: module name too long: %s\n", name);
        return nullptr;
    }
    char problem[PATH_MAX + 256] = "";
    const char *const folders[] = {"/", "/../lib/geardim/"};
    for (const char *folder : folders) {
        // Put together without printf, whose code the start would otherwise page in.
        char *end = slash;
        const char *const parts[] = {folder, name};
        for (const char *part : parts) {
            const std::size_t length = std::strlen(part);
            std::memcpy(end, part, length + 1);
            end += length;
        }
        if (void *module = dlopen(path, kOpenFlags))
            return module;
        // The installed folder's reason, the last one tried, is the one that tells.
        const char *why = dlerror();
        std::snprintf(problem, sizeof problem, "%s", why ? why : path);
    }
    std::fprintf(stderr, "geardim: cannot load %s: %s\n", name, problem);
    return nullptr;
}

// The named entry of an open module, or nothing (said on stderr).
template <typename Entry>
Entry entryOf(void *module, const char *name)
{
    auto entry = reinterpret_cast<Entry>(dlsym(module, name));
    if (!entry)
        std::fprintf(stderr, "geardim: the module has no entry %s\n", name);
    return entry;
}

#endif

} // namespace launch
} // namespace geardim

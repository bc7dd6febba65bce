# The layers' one-way dependencies, read from the sources: app -> gui -> io -> core.
# core/ includes no Qt header and nothing of io/, gui/ or app/; io/ nothing of gui/ or
# app/; gui/ nothing of app/. And no source loads code by hand (dlopen).
set(rules
  "core|#include <Q|#include \"io/|#include \"gui/|#include \"app/"
  "io|#include \"gui/|#include \"app/"
  "gui|#include \"app/")
set(failures "")
foreach(rule IN LISTS rules)
  string(REPLACE "|" ";" parts "${rule}")
  list(POP_FRONT parts layer)
  file(GLOB_RECURSE sources "${ROOT}/${layer}/*.cpp" "${ROOT}/${layer}/*.h")
  foreach(source IN LISTS sources)
    file(READ "${source}" text)
    foreach(forbidden IN LISTS parts)
      string(FIND "${text}" "${forbidden}" at)
      if(NOT at EQUAL -1)
        string(APPEND failures "${source} has ${forbidden}\n")
      endif()
    endforeach()
  endforeach()
endforeach()
file(GLOB_RECURSE all "${ROOT}/core/*" "${ROOT}/io/*" "${ROOT}/gui/*" "${ROOT}/app/*.cpp" "${ROOT}/app/*.h")
foreach(source IN LISTS all)
  file(READ "${source}" text)
  string(FIND "${text}" "dlopen" at)
  if(NOT at EQUAL -1)
    string(APPEND failures "${source} loads code by hand (dlopen)\n")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "0 passed, 1 failed:\n${failures}")
endif()
message(STATUS "1 passed, 0 failed: every layer includes only the layers below it")

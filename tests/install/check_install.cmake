# Installs the build into an empty prefix and checks that the program, its
# desktop entry and its icons are where a desktop looks for them.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected bin/geardim share/applications/geardim.desktop share/icons/hicolor/scalable/apps/geardim.svg
    share/doc/geardim/copyright share/doc/geardim/changelog.Debian.gz lib/geardim/geardim-print.so
    lib/geardim/geardim-windows.so lib/geardim/geardim-cli.so)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/geardim.png)
endforeach()
foreach(path IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "missing after install: ${path}")
  endif()
endforeach()
file(READ "${PREFIX}/share/applications/geardim.desktop" entry)
foreach(line "Exec=geardim" "Icon=geardim" "Name=" "Name[zh_CN]=" "Categories=Science;Engineering;")
  string(FIND "${entry}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "installed layout complete")

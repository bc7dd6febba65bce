# Runs lupdate over the sources into a copy of the English translation and fails when
# any text is missing or unfinished there: a new or changed Chinese text needs its
# English before the tests pass (make translations, then translate it).
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
configure_file("${TS}" "${WORK}/check_en.ts" COPYONLY)
execute_process(COMMAND "${LUPDATE}" -I "${SOURCE_DIR}" -no-obsolete -locations none -source-language zh_CN -target-language en
                        "@${SOURCES_LIST}" -ts "${WORK}/check_en.ts"
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${out}${err}")
endif()
file(READ "${WORK}/check_en.ts" ts)
string(REGEX MATCHALL "<translation type=\"(unfinished|vanished|obsolete)\"[^<]*</translation>|<translation type=\"unfinished\"/>" open "${ts}")
cmake_policy(SET CMP0007 NEW)
list(LENGTH open count)
string(REGEX MATCHALL "<source>[^<]*</source>\n[ ]*<translation type=\"unfinished\"" untranslated "${ts}")
if(count GREATER 0)
  message(FATAL_ERROR "${count} texts lack an English translation:\n${untranslated}")
endif()
string(REGEX MATCHALL "<message>" messages "${ts}")
list(LENGTH messages total)
message(STATUS "all ${total} texts translated")

# SPDX-License-Identifier: GPL-3.0-or-later
# The English catalogue holds every German text of the program, each one translated: lupdate, run
# over the sources into a copy of the catalogue, must leave the copy as it is (a new text would
# come in unfinished, a removed one as vanished), and lrelease must report no unfinished entry.
#   cmake -DLUPDATE=… -DLRELEASE=… -DQUELLEN=<repository> -DKATALOG=<.ts> -DARBEIT=<dir> -P …
file(MAKE_DIRECTORY "${ARBEIT}")
configure_file("${KATALOG}" "${ARBEIT}/kopie.ts" COPYONLY)
execute_process(COMMAND "${LUPDATE}" -I "${QUELLEN}" -locations none "${QUELLEN}/app" "${QUELLEN}/ui"
                        -ts "${ARBEIT}/kopie.ts"
                RESULT_VARIABLE ergebnis OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
if(NOT ergebnis EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${ausgabe}")
endif()
file(READ "${KATALOG}" vorher)
file(READ "${ARBEIT}/kopie.ts" nachher)
if(NOT vorher STREQUAL nachher)
  execute_process(COMMAND diff -u "${KATALOG}" "${ARBEIT}/kopie.ts" OUTPUT_VARIABLE unterschied)
  message(FATAL_ERROR "The catalogue does not match the sources (lupdate: ${ausgabe}):\n${unterschied}\n"
                      "Bring it up to date with: cmake --build build --target update_translations, "
                      "then translate what it marks unfinished.")
endif()
execute_process(COMMAND "${LRELEASE}" "${KATALOG}" -qm "${ARBEIT}/probe.qm"
                RESULT_VARIABLE ergebnis OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
if(NOT ergebnis EQUAL 0 OR NOT ausgabe MATCHES "Generated ([0-9]+) translation\\(s\\) \\(([0-9]+) finished and 0 unfinished\\)"
   OR NOT CMAKE_MATCH_1 EQUAL CMAKE_MATCH_2 OR ausgabe MATCHES "untranslated")
  message(FATAL_ERROR "lrelease reports unfinished or untranslated entries:\n${ausgabe}")
endif()
message(STATUS "${ausgabe}")

# Refreshes a copy of the .ts from the sources, as the target update_translations
# does, and fails when that changes it: a text added or changed in the sources
# without its English, or a .ts not refreshed after an edit.
file(COPY_FILE ${TS} ${COPY})
execute_process(COMMAND ${LUPDATE} -silent -locations none -no-obsolete -no-ui-lines @${SOURCES} -ts ${COPY}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${TS} ${COPY} RESULT_VARIABLE differs)
if(differs)
  execute_process(COMMAND diff -u ${TS} ${COPY})
  message(FATAL_ERROR "translations/sazbar_en.ts is not current: build update_translations and translate the new texts")
endif()

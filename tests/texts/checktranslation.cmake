# Checks that a translation file is up to date with the texts of the code:
# lupdate on a copy must leave it unchanged, and it must hold no text left
# unfinished or vanished from the code.
#   cmake -DLUPDATE=... -DTS=... -DCOPY=... -DSOURCE_DIR=... -DFOLDERS=a;b -P checktranslation.cmake
file(READ "${TS}" before)
foreach(mark "type=\"unfinished\"" "type=\"vanished\"" "type=\"obsolete\"")
  string(FIND "${before}" "${mark}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "${TS} holds a text marked ${mark}: translate it in Qt Linguist")
  endif()
endforeach()
configure_file("${TS}" "${COPY}" COPYONLY)
execute_process(COMMAND "${LUPDATE}" -silent -no-obsolete -locations none ${FOLDERS} -ts "${COPY}"
                WORKING_DIRECTORY "${SOURCE_DIR}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed on ${COPY}")
endif()
file(READ "${COPY}" after)
if(NOT before STREQUAL after)
  message(FATAL_ERROR "${TS} is not up to date with the code: build the update_translations "
                      "target and translate what it adds")
endif()

# Run by CPack on the staged files, before it packs them
# (CPACK_PRE_BUILD_SCRIPTS): removes from the programs the sections that
# Debian's dh_strip removes and CPack's stripping leaves, the compiler's
# identification (.comment) and the .note section.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*/bin/*")
if(NOT staged)
  message(FATAL_ERROR "stripnotes: no programs under ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(program ${staged})
  execute_process(
    COMMAND "${CPACK_VQ740_STRIP}" --remove-section=.comment --remove-section=.note
            --strip-unneeded "${program}"
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "stripnotes: ${CPACK_VQ740_STRIP} failed on ${program}")
  endif()
endforeach()

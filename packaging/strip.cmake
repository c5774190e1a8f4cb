# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on its staging tree before it packs it. CPACK_STRIP_FILES has already stripped the
# program of its symbols; this also drops the compilers' .comment and .note sections, which say
# nothing to the user, as Debian's own packaging does.
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*/bin/*")
if(NOT programs)
    message(FATAL_ERROR "strip.cmake: no program under ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(program IN LISTS programs)
    execute_process(
        COMMAND "${CPACK_DALVO_STRIP}" --remove-section=.comment --remove-section=.note "${program}"
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()

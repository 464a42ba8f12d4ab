# Translates the manual page's source and fills in its paths and version, as data/ does for
# the English one:
#   cmake -DPO4A_TRANSLATE=... -DMASTER=... -DPO=... -DOUTPUT=... -DPROJECT_VERSION=...
#         -DMORVANE_INSTALLED_PROGRAM=... -DMORVANE_HELP_FILE=... -P translate-man-page.cmake
include(${CMAKE_CURRENT_LIST_DIR}/Po4aOptions.cmake)
execute_process(
    COMMAND ${PO4A_TRANSLATE} ${MORVANE_PO4A_MAN_PAGE_OPTIONS} --master ${MASTER} --po ${PO}
            --localized ${OUTPUT}.in --localized-charset UTF-8 --keep 0
    RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "po4a-translate failed for ${PO}: ${said}")
endif()
configure_file(${OUTPUT}.in ${OUTPUT} @ONLY)
file(REMOVE ${OUTPUT}.in)

# Translates the help page and marks its language and direction:
#   cmake -DPO4A_TRANSLATE=... -DMASTER=... -DPO=... -DOUTPUT=... -DLANGUAGE=...
#         -DDIRECTION=ltr|rtl -P translate-help-page.cmake
# Every paragraph is taken from the messages, translated or not: the translation tests say
# whether a language is complete. The pictures are the English page's, beside it.
include(${CMAKE_CURRENT_LIST_DIR}/Po4aOptions.cmake)
execute_process(
    COMMAND ${PO4A_TRANSLATE} ${MORVANE_PO4A_HELP_PAGE_OPTIONS} --master ${MASTER} --po ${PO}
            --localized ${OUTPUT}.tmp --localized-charset UTF-8 --keep 0
    RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "po4a-translate failed for ${PO}: ${said}")
endif()
file(READ ${OUTPUT}.tmp page)
file(REMOVE ${OUTPUT}.tmp)
# BCP 47, as HTML wants: pt-BR, sr-Latn for sr@latin.
string(REPLACE "_" "-" html_language "${LANGUAGE}")
string(REPLACE "@latin" "-Latn" html_language "${html_language}")
if(DIRECTION STREQUAL "rtl")
    set(html_tag "<html lang=\"${html_language}\" dir=\"rtl\">")
else()
    set(html_tag "<html lang=\"${html_language}\">")
endif()
string(FIND "${page}" "<html lang=\"en\">" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${MASTER} has no <html lang=\"en\"> to mark the language on")
endif()
string(REPLACE "<html lang=\"en\">" "${html_tag}" page "${page}")
file(WRITE ${OUTPUT} "${page}")

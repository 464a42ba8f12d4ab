# Translates the help page and marks its language and direction:
#   cmake -DPO4A_TRANSLATE=... -DMASTER=... -DPO=... -DOUTPUT=... -DLANGUAGE=...
#         -DDIRECTION=ltr|rtl -P translate-help-page.cmake
# The pictures are the English page's, beside it.
include(${CMAKE_CURRENT_LIST_DIR}/Po4aOptions.cmake)
morvane_po4a_translate(MORVANE_PO4A_HELP_PAGE_OPTIONS ${MASTER} ${PO} ${OUTPUT}.tmp)
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

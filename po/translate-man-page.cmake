# Translates the manual page's source and fills in its paths and version, as data/ does for
# the English one:
#   cmake -DPO4A_TRANSLATE=... -DMASTER=... -DPO=... -DOUTPUT=... -DPROJECT_VERSION=...
#         -DMORVANE_INSTALLED_PROGRAM=... -DMORVANE_HELP_FILE=... -P translate-man-page.cmake
include(${CMAKE_CURRENT_LIST_DIR}/Po4aOptions.cmake)
morvane_po4a_translate(MORVANE_PO4A_MAN_PAGE_OPTIONS ${MASTER} ${PO} ${OUTPUT}.in)
# po4a writes every hyphen as \-, the date's too, which man-page readers then cannot read as
# a date; and it leaves blanks at the ends of some lines.
file(READ ${OUTPUT}.in page)
string(REGEX REPLACE "(\n\\.TH [^ ]+ [^ ]+ )([0-9]+)\\\\-([0-9]+)\\\\-([0-9]+)" "\\1\\2-\\3-\\4"
       page "${page}")
string(REGEX REPLACE "[ \t]+\n" "\n" page "${page}")
# Chinese and Japanese put no spaces between words, so a justified line has nothing to stretch
# and groff warns on every such line: those pages are set ragged-right, as groff's man macros
# allow (AD, read wherever they adjust).
get_filename_component(language ${PO} NAME_WE)
if(language MATCHES "^(zh|ja)(_|$)")
    string(REGEX REPLACE "\n\\.TH " "\n.ds AD l\n.TH " page "${page}")
endif()
file(WRITE ${OUTPUT}.in "${page}")
configure_file(${OUTPUT}.in ${OUTPUT} @ONLY)
file(REMOVE ${OUTPUT}.in)

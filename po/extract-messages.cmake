# Extracts every translatable message of the program into one template:
#   cmake -DSOURCE_DIR=... -DOUTPUT=... -DVERSION=... -P extract-messages.cmake
# The program's messages (xgettext over app/ and ui/help/), the desktop entry and the
# metainfo (xgettext, with the project's own ITS rules for the metainfo), the help page and
# the manual page (po4a). The template is rewritten only when more than its date has changed.
include(${CMAKE_CURRENT_LIST_DIR}/Po4aOptions.cmake)
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
get_filename_component(OUTPUT "${OUTPUT}" ABSOLUTE)
find_program(XGETTEXT xgettext REQUIRED)
find_program(MSGCAT msgcat REQUIRED)
find_program(PO4A_UPDATEPO po4a-updatepo REQUIRED)

set(work ${OUTPUT}.parts)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})

function(run)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status
                    OUTPUT_VARIABLE errors ERROR_VARIABLE errors)
    # po4a says on every run that its single-document tools are deprecated; nothing else.
    string(REGEX REPLACE "[^\n]*is deprecated[^\n]*\n?" "" errors "${errors}")
    if(errors)
        message("${errors}")
    endif()
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "failed (${status}): ${ARGN}")
    endif()
endfunction()

set(common --from-code=UTF-8 --add-comments=TRANSLATORS: --package-name=morvane
    --package-version=${VERSION} --msgid-bugs-address=morvane@users.noreply.invalid
    "--copyright-holder=the Morvane developers")

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/app/*.h
     ${SOURCE_DIR}/ui/help/*.cpp ${SOURCE_DIR}/ui/help/*.h)
list(SORT sources)
# Every message is translated(...); those given to withArguments(...) have %1, %2 ... in Qt's way.
run(${XGETTEXT} ${common} --language=C++ --qt --keyword --keyword=translated
    --flag=translated:1:pass-qt-format --flag=withArguments:1:qt-format
    --output=${work}/program.pot ${sources})
# The menu entry's name is the game's name and stays; what describes it is translated.
run(${XGETTEXT} ${common} --language=Desktop --keyword --keyword=GenericName --keyword=Comment
    --keyword=Keywords --output=${work}/desktop.pot data/morvane.desktop.in)
run(${XGETTEXT} ${common} --its=${CMAKE_CURRENT_LIST_DIR}/its/morvane-metainfo.its
    --output=${work}/metainfo.pot data/morvane.metainfo.xml.in)
set(po4a_common --msgid-bugs-address morvane@users.noreply.invalid
    --copyright-holder "the Morvane developers" --package-name morvane --package-version ${VERSION})
run(${PO4A_UPDATEPO} ${MORVANE_PO4A_HELP_PAGE_OPTIONS} ${po4a_common} --master data/Morvane.html
    --po ${work}/help-page.pot)
run(${PO4A_UPDATEPO} ${MORVANE_PO4A_MAN_PAGE_OPTIONS} ${po4a_common} --master data/morvane.6.in
    --po ${work}/man-page.pot)

# One template: the first part's header, each message once with all its places, named by file
# only, so that moving a line does not change the template.
run(${MSGCAT} --use-first --to-code=UTF-8 --add-location=file --output-file=${work}/all.pot
    ${work}/program.pot ${work}/desktop.pot ${work}/metainfo.pot ${work}/help-page.pot
    ${work}/man-page.pot)

file(READ ${work}/all.pot new)
# xgettext leaves the character set open in a template of ASCII-only messages.
string(REPLACE "charset=CHARSET" "charset=UTF-8" new "${new}")
# What every translator needs to know first; msginit copies it into a new language's file.
string(REPLACE "# SOME DESCRIPTIVE TITLE.\n" "\
# The messages of Morvane, the game Zandorel: its command line and start-up messages, its
# menu entry, its software-centre listing, its help page and its manual page.
# The game's window stays in English in every language: where a text names a caption or a
# level of the window (\"< | >\", \"Shuffle\", \"About\", \"Count\", \"Seconds\", \"Letters\",
# \"Numbers\", \"Difficulty Levels\", \"English Numbers only\" ...), write it exactly as the
# window shows it, and explain it in your language where that helps. The help page is for the
# grown-up beside the child. Keep the markup (<b>, <span class=\"tile\">, B<...>) as it is.
" new "${new}")
set(date_line "\"POT-Creation-Date: [^\"]*\"\n")
string(REGEX REPLACE "${date_line}" "" new_undated "${new}")
if(EXISTS ${OUTPUT})
    file(READ ${OUTPUT} old)
    string(REGEX REPLACE "${date_line}" "" old_undated "${old}")
else()
    set(old_undated "")
endif()
if(NOT new_undated STREQUAL old_undated)
    file(WRITE ${OUTPUT} "${new}")
endif()
file(REMOVE_RECURSE ${work})

# How po4a reads the help page and the manual page: the same when the template is extracted
# and when the pages are translated, or the messages would not match.
set(MORVANE_PO4A_HELP_PAGE_OPTIONS
    --format xhtml --master-charset UTF-8
    # The page's language and direction are written by the build, from its file name.
    --option nodefault=lang
    # The style sheet is not text.
    "--option" "untranslated=<style>")
set(MORVANE_PO4A_MAN_PAGE_OPTIONS --format man --master-charset UTF-8)

# Writes MASTER translated with PO into LOCALIZED (UTF-8), every paragraph taken from the
# messages, translated or not: the translation tests say whether a language is complete.
function(morvane_po4a_translate options master po localized)
    execute_process(
        COMMAND ${PO4A_TRANSLATE} ${${options}} --master ${master} --po ${po}
                --localized ${localized} --localized-charset UTF-8 --keep 0
        RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "po4a-translate failed for ${po}: ${said}")
    endif()
endfunction()

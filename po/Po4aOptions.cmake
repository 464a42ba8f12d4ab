# How po4a reads the help page and the manual page: the same when the template is extracted
# and when the pages are translated, or the messages would not match.
set(MORVANE_PO4A_HELP_PAGE_OPTIONS
    --format xhtml --master-charset UTF-8
    # The page's language and direction are written by the build, from its file name.
    --option nodefault=lang
    # The style sheet is not text.
    "--option" "untranslated=<style>")
set(MORVANE_PO4A_MAN_PAGE_OPTIONS --format man --master-charset UTF-8)

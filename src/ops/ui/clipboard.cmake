# The Edit menu's clipboard commands, the system clipboard, and the Paste
# Special and Select and Copy dialogs.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/clipboardcommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/clipboardcommands.h
    ${CMAKE_CURRENT_LIST_DIR}/clipboardtexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/clipboardtexts.h
    ${CMAKE_CURRENT_LIST_DIR}/systemclipboard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/systemclipboard.h
    ${CMAKE_CURRENT_LIST_DIR}/pastespecialdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pastespecialdialog.h
    ${CMAKE_CURRENT_LIST_DIR}/selectcopydialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/selectcopydialog.h
)
list(APPEND HM_UI_RESOURCES
    ${CMAKE_CURRENT_LIST_DIR}/clipboard_lang.qrc
)

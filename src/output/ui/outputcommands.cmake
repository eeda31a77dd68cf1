# Printing and image export: the dialogs, the printer setup and the menu handlers.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/draftrangefields.cpp
    ${CMAKE_CURRENT_LIST_DIR}/draftrangefields.h
    ${CMAKE_CURRENT_LIST_DIR}/printdraftdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/printdraftdialog.h
    ${CMAKE_CURRENT_LIST_DIR}/printfabricdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/printfabricdialog.h
    ${CMAKE_CURRENT_LIST_DIR}/numbersdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/numbersdialog.h
    ${CMAKE_CURRENT_LIST_DIR}/savedraftpngdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/savedraftpngdialog.h
    ${CMAKE_CURRENT_LIST_DIR}/printersetup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/printersetup.h
    ${CMAKE_CURRENT_LIST_DIR}/printcommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/printcommands.h
    ${CMAKE_CURRENT_LIST_DIR}/exportcommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exportcommands.h
)
list(APPEND HM_UI_RESOURCES
    ${CMAKE_CURRENT_LIST_DIR}/outputdialogs_lang.qrc
)

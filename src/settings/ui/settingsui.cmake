# The translation component of windows and the Options dialog.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/multilang.cpp
    ${CMAKE_CURRENT_LIST_DIR}/multilang.h
    ${CMAKE_CURRENT_LIST_DIR}/controltranslator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controltranslator.h
    ${CMAKE_CURRENT_LIST_DIR}/optionsdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/optionsdialog.h
)
list(APPEND HM_UI_RESOURCES
    ${CMAKE_CURRENT_LIST_DIR}/options_lang.qrc
)
# The Options menu's handlers.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/optionscommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/optionscommands.h
)

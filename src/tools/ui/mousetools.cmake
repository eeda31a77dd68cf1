# The mouse tools over the draft view and the Keyboard Input window.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/mousetools.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mousetools.h
    ${CMAKE_CURRENT_LIST_DIR}/keyboardinput.cpp
    ${CMAKE_CURRENT_LIST_DIR}/keyboardinput.h
)
list(APPEND HM_UI_RESOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tools_ui.qrc
)
# The tools' menu and tool bar handlers.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/toolcommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/toolcommands.h
)

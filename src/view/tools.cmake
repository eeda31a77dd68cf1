# The mouse tools and keyboard input of the draft view.
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/linecomputation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/linecomputation.h
    ${CMAKE_CURRENT_LIST_DIR}/keyboardentry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/keyboardentry.h
    ${CMAKE_CURRENT_LIST_DIR}/mouseedit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mouseedit.h
)
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tooloverlay.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tooloverlay.h
    ${CMAKE_CURRENT_LIST_DIR}/mousetools.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mousetools.h
    ${CMAKE_CURRENT_LIST_DIR}/keyboardinput.cpp
    ${CMAKE_CURRENT_LIST_DIR}/keyboardinput.h
    ${CMAKE_CURRENT_LIST_DIR}/mainwindow_tools.cpp
)
list(APPEND HM_UI_RESOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tools_lang.qrc
)

# The fabric window and the View menu's Fabric Window command.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/fabricwindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fabricwindow.h
    ${CMAKE_CURRENT_LIST_DIR}/fabriccommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fabriccommands.h
)
list(APPEND HM_UI_RESOURCES
    ${CMAKE_CURRENT_LIST_DIR}/fabricwindow_lang.qrc
)

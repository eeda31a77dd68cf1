# Menu handlers and dialogs of the operations.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/editcommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editcommands.h
)

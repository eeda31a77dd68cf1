# apply operations of the Fill menu and the Repeat dialog.
list(APPEND HM_CLI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/applygenerate.cpp
)

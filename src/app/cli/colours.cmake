# apply operations of the colour editor and the fill-colours dialog.
list(APPEND HM_CLI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/applycolors.cpp
)

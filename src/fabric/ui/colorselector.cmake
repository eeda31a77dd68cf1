# Colour widgets: the tool bar's colour selector.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/colorselector.cpp
    ${CMAKE_CURRENT_LIST_DIR}/colorselector.h
)
# The Yarn menu's handlers.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/yarncommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/yarncommands.h
)

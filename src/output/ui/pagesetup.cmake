# The page setup command.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/pagesetupcommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pagesetupcommand.h
)

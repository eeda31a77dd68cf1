# The headless tool's printing and image export commands.
list(APPEND HM_CLI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/outputoptions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/outputoptions.h
    ${CMAKE_CURRENT_LIST_DIR}/printcommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/renderexport.cpp
)

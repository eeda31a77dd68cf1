# The headless tool's commands, a library of their own so that tests run them.
list(APPEND HM_CLI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/clicommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/clicommands.h
    ${CMAKE_CURRENT_LIST_DIR}/clisupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/clisupport.h
    ${CMAKE_CURRENT_LIST_DIR}/infocommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/convertcommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/drawdowncommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/applycommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/applyoperations.h
    ${CMAKE_CURRENT_LIST_DIR}/applymode.cpp
)

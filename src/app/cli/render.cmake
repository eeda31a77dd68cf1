# heddlemark-cli render: pictures of a draft made by the window's own painters.
list(APPEND HM_CLI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/rendercommand.cpp
)

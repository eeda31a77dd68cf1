# heddlemark-cli report.
list(APPEND HM_CLI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/reportcommand.cpp
)

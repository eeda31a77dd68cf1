# apply operations that insert, delete, switch and transform.
list(APPEND HM_CLI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/applystructure.cpp
)

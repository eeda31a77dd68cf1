# Recovery copies of a modified draft.
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/recoverystore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/recoverystore.h
)

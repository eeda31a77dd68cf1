list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/countchanges.cpp
    ${CMAKE_CURRENT_LIST_DIR}/countchanges.h
)

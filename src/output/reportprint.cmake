# Printing the analysis reports as text.
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/reportprint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reportprint.h
)

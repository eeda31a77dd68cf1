# apply operations of complex drafting (expand, insert in pattern threading,
# straight pattern threading, reanalyse).
list(APPEND HM_CLI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/applycomplex.cpp
)

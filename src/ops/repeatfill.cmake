# Repeat and Fill Pattern, and the Repeat dialog's rules.
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/repeatfill.cpp
    ${CMAKE_CURRENT_LIST_DIR}/repeatfill.h
    ${CMAKE_CURRENT_LIST_DIR}/repeatdialogrules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/repeatdialogrules.h
)

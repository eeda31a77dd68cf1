# Exchanging drafts with other programs: WIF files, and the flattening of the
# cloth that lets formats with one harness (.hdm, WIF) keep it.
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/flatten.cpp
    ${CMAKE_CURRENT_LIST_DIR}/flatten.h
    ${CMAKE_CURRENT_LIST_DIR}/hdmexport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hdmexport.h
)

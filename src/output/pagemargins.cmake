# Page margins in the units the page setup shows.
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/pagemargins.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pagemargins.h
)

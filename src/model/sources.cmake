list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/numberrange.h
    ${CMAKE_CURRENT_LIST_DIR}/draft.cpp
    ${CMAKE_CURRENT_LIST_DIR}/drawdown.cpp
    ${CMAKE_CURRENT_LIST_DIR}/design.cpp
    ${CMAKE_CURRENT_LIST_DIR}/undo.cpp
)

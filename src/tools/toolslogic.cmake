# The logic of the mouse tools and keyboard entry, without widgets.
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/linecomputation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/linecomputation.h
    ${CMAKE_CURRENT_LIST_DIR}/keyboardentry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/keyboardentry.h
    ${CMAKE_CURRENT_LIST_DIR}/mouseedit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mouseedit.h
)

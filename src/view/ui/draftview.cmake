# The draft view widget and the overlay of the tools' temporary marks.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/draftview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/draftview.h
    ${CMAKE_CURRENT_LIST_DIR}/tooloverlay.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tooloverlay.h
)
# The view's menu handlers.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/viewcommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/viewcommands.h
)

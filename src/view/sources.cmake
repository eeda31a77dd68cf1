list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/draftlayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/draftlayout.h
    ${CMAKE_CURRENT_LIST_DIR}/canvas.cpp
    ${CMAKE_CURRENT_LIST_DIR}/canvas.h
    ${CMAKE_CURRENT_LIST_DIR}/draftpainter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/draftpainter.h
)
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/draftview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/draftview.h
)

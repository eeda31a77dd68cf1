# The draft view's core: layout, cell mapping and painters.
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/draftlayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/draftlayout.h
    ${CMAKE_CURRENT_LIST_DIR}/canvas.cpp
    ${CMAKE_CURRENT_LIST_DIR}/canvas.h
    ${CMAKE_CURRENT_LIST_DIR}/draftpainter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/draftpainter.h
    ${CMAKE_CURRENT_LIST_DIR}/viewareas.h
)

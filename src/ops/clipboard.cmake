# Clipboard exchange: the public picture and colour-list forms, copy, paste,
# delete and crop of a selection, and Paste Special.
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/clipboardformats.cpp
    ${CMAKE_CURRENT_LIST_DIR}/clipboardformats.h
    ${CMAKE_CURRENT_LIST_DIR}/clipboardareas.cpp
    ${CMAKE_CURRENT_LIST_DIR}/clipboardareas.h
    ${CMAKE_CURRENT_LIST_DIR}/clipboardops.cpp
    ${CMAKE_CURRENT_LIST_DIR}/clipboardops.h
    ${CMAKE_CURRENT_LIST_DIR}/pastespecial.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pastespecial.h
)

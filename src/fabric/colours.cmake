# Palette and colour editing: the rules of the palette window, the colour
# editor and the fill-colours dialog, and their translation tables.
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/palettegrid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/palettegrid.h
    ${CMAKE_CURRENT_LIST_DIR}/paletteedit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/paletteedit.h
    ${CMAKE_CURRENT_LIST_DIR}/paletteyarns.cpp
    ${CMAKE_CURRENT_LIST_DIR}/paletteyarns.h
    ${CMAKE_CURRENT_LIST_DIR}/colourcopies.cpp
    ${CMAKE_CURRENT_LIST_DIR}/colourcopies.h
    ${CMAKE_CURRENT_LIST_DIR}/coloureditor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/coloureditor.h
    ${CMAKE_CURRENT_LIST_DIR}/colourfill.cpp
    ${CMAKE_CURRENT_LIST_DIR}/colourfill.h
    ${CMAKE_CURRENT_LIST_DIR}/colourfillsession.cpp
    ${CMAKE_CURRENT_LIST_DIR}/colourfillsession.h
    ${CMAKE_CURRENT_LIST_DIR}/colourtexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/colourtexts.h
)
list(APPEND HM_CORE_RESOURCES
    ${CMAKE_CURRENT_LIST_DIR}/colours_lang.qrc
)

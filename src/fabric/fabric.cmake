# Fabric renderings: the Fabric, Drapery and Interlacement views and the
# fabric window's geometry and painter. Widget-free; they draw on any Canvas.
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/fabriclayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fabriclayout.h
    ${CMAKE_CURRENT_LIST_DIR}/weftcrossings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/weftcrossings.h
    ${CMAKE_CURRENT_LIST_DIR}/fabricpainter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fabricpainter.h
    ${CMAKE_CURRENT_LIST_DIR}/interlacementpainter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/interlacementpainter.h
    ${CMAKE_CURRENT_LIST_DIR}/drapepainter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/drapepainter.h
    ${CMAKE_CURRENT_LIST_DIR}/fabricview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fabricview.h
    ${CMAKE_CURRENT_LIST_DIR}/fabricwindowlayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fabricwindowlayout.h
    ${CMAKE_CURRENT_LIST_DIR}/fabricwindowpainter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fabricwindowpainter.h
)

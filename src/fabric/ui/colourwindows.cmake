# The palette window, the colour editor and the fill-colours dialog, the
# colour chooser they share, and the handlers that open them.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/colourwidgets.cpp
    ${CMAKE_CURRENT_LIST_DIR}/colourwidgets.h
    ${CMAKE_CURRENT_LIST_DIR}/colourchooser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/colourchooser.h
    ${CMAKE_CURRENT_LIST_DIR}/palettewindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/palettewindow.h
    ${CMAKE_CURRENT_LIST_DIR}/coloreditdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/coloreditdialog.h
    ${CMAKE_CURRENT_LIST_DIR}/fillcolorsdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fillcolorsdialog.h
    ${CMAKE_CURRENT_LIST_DIR}/fillcolourscommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fillcolourscommand.h
)

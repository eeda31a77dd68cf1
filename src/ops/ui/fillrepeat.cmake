# The Fill menu's generators with the satin dialog, and the Repeat dialog of
# the Edit menu and the tool bar.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/fillcommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fillcommands.h
    ${CMAKE_CURRENT_LIST_DIR}/fillrepeattexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fillrepeattexts.h
    ${CMAKE_CURRENT_LIST_DIR}/satindialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/satindialog.h
    ${CMAKE_CURRENT_LIST_DIR}/repeatdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/repeatdialog.h
    ${CMAKE_CURRENT_LIST_DIR}/repeatcommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/repeatcommand.h
)
list(APPEND HM_UI_RESOURCES
    ${CMAKE_CURRENT_LIST_DIR}/fillrepeat_lang.qrc
)

# The File menu's open and save commands, their dialogs and the recent-file items.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/filemenu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/filemenu.h
    ${CMAKE_CURRENT_LIST_DIR}/filecommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/filecommands.h
    ${CMAKE_CURRENT_LIST_DIR}/filecommandtexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/filecommandtexts.h
    ${CMAKE_CURRENT_LIST_DIR}/wifcommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/recentfilesmenu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/recentfilesmenu.h
    ${CMAKE_CURRENT_LIST_DIR}/loadhdmdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/loadhdmdialog.h
    ${CMAKE_CURRENT_LIST_DIR}/loadhdxdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/loadhdxdialog.h
    ${CMAKE_CURRENT_LIST_DIR}/blendliftplandialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/blendliftplandialog.h
    ${CMAKE_CURRENT_LIST_DIR}/newpatterndialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/newpatterndialog.h
)
list(APPEND HM_UI_RESOURCES
    ${CMAKE_CURRENT_LIST_DIR}/filecommands_lang.qrc
)

# The Utilities and Transform menus' structure commands: insert, delete and
# switch, the draft transforms, their dialogs and the edit session that
# previews, applies or abandons them.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/editsession.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editsession.h
    ${CMAKE_CURRENT_LIST_DIR}/structuredialogtexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/structuredialogtexts.h
    ${CMAKE_CURRENT_LIST_DIR}/insertdeletedialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/insertdeletedialog.h
    ${CMAKE_CURRENT_LIST_DIR}/numberpairbase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/numberpairbase.h
    ${CMAKE_CURRENT_LIST_DIR}/numberpairdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/numberpairdialog.h
    ${CMAKE_CURRENT_LIST_DIR}/switchdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/switchdialog.h
    ${CMAKE_CURRENT_LIST_DIR}/trompaswritdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/trompaswritdialog.h
    ${CMAKE_CURRENT_LIST_DIR}/wrapliftplandialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wrapliftplandialog.h
    ${CMAKE_CURRENT_LIST_DIR}/tieupspecialdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tieupspecialdialog.h
    ${CMAKE_CURRENT_LIST_DIR}/structuredialogruns.cpp
    ${CMAKE_CURRENT_LIST_DIR}/structuredialogruns.h
    ${CMAKE_CURRENT_LIST_DIR}/utilitycommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/utilitycommands.h
    ${CMAKE_CURRENT_LIST_DIR}/transformcommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/transformcommands.h
)
list(APPEND HM_UI_RESOURCES
    ${CMAKE_CURRENT_LIST_DIR}/structuredialogs_lang.qrc
)

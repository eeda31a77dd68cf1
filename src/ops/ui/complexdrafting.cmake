# The complex-drafting commands of the Transform menu and their dialogs.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/complexdraftingcommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/complexdraftingcommands.h
    ${CMAKE_CURRENT_LIST_DIR}/expandpatterndialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/expandpatterndialog.h
    ${CMAKE_CURRENT_LIST_DIR}/insertinpatterndialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/insertinpatterndialog.h
)

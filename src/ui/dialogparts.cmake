# The controls the dialogs build alike: named spin fields, labels, check boxes
# and radio groups, and the pair of labelled number fields.
list(APPEND HM_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/dialogparts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogparts.h
    ${CMAKE_CURRENT_LIST_DIR}/numberfields.cpp
    ${CMAKE_CURRENT_LIST_DIR}/numberfields.h
)

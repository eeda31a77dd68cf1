# Complex drafting: expand pattern, insert in and straighten the pattern
# threading, reanalyse the pattern, and their translation tables.
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/expand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/expand.h
    ${CMAKE_CURRENT_LIST_DIR}/expanddesign.cpp
    ${CMAKE_CURRENT_LIST_DIR}/expandsequences.cpp
    ${CMAKE_CURRENT_LIST_DIR}/expandsequences.h
    ${CMAKE_CURRENT_LIST_DIR}/insertinpattern.cpp
    ${CMAKE_CURRENT_LIST_DIR}/insertinpattern.h
    ${CMAKE_CURRENT_LIST_DIR}/straightthreading.cpp
    ${CMAKE_CURRENT_LIST_DIR}/straightthreading.h
    ${CMAKE_CURRENT_LIST_DIR}/reanalyze.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reanalyze.h
    ${CMAKE_CURRENT_LIST_DIR}/complexdraftingtexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/complexdraftingtexts.h
)
list(APPEND HM_CORE_RESOURCES
    ${CMAKE_CURRENT_LIST_DIR}/complexdrafting_lang.qrc
)

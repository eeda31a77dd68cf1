list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/langtable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/langtable.h
    ${CMAKE_CURRENT_LIST_DIR}/basemultilang.cpp
    ${CMAKE_CURRENT_LIST_DIR}/basemultilang.h
    ${CMAKE_CURRENT_LIST_DIR}/messages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/messages.h
    ${CMAKE_CURRENT_LIST_DIR}/settingsvalues.h
    ${CMAKE_CURRENT_LIST_DIR}/settingsstore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingsstore.h
    ${CMAKE_CURRENT_LIST_DIR}/localedefaults.cpp
    ${CMAKE_CURRENT_LIST_DIR}/localedefaults.h
)
list(APPEND HM_CORE_RESOURCES
    ${CMAKE_CURRENT_LIST_DIR}/lang/settings_lang.qrc
)

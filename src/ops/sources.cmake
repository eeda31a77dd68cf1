list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/repeatlength.cpp
)
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/insertdelete.cpp
)
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/designmode.cpp
    ${CMAKE_CURRENT_LIST_DIR}/designmode.h
)

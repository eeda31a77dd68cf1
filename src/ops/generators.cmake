# The Fill menu's generators and the run's pseudo-random source.
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/randomsource.cpp
    ${CMAKE_CURRENT_LIST_DIR}/randomsource.h
    ${CMAKE_CURRENT_LIST_DIR}/generators.cpp
    ${CMAKE_CURRENT_LIST_DIR}/generators.h
    ${CMAKE_CURRENT_LIST_DIR}/satinmoves.cpp
    ${CMAKE_CURRENT_LIST_DIR}/satinmoves.h
    ${CMAKE_CURRENT_LIST_DIR}/randomtwill.cpp
    ${CMAKE_CURRENT_LIST_DIR}/randomtwill.h
)

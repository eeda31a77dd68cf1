# Insert, delete and switch ends, picks, shafts and treadles; the draft
# transforms (tromp as writ, wrap, reversals, symmetry, tie-up special effects).
list(APPEND HM_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/structurechange.h
    ${CMAKE_CURRENT_LIST_DIR}/boundedcounts.h
    ${CMAKE_CURRENT_LIST_DIR}/gaps.h
    ${CMAKE_CURRENT_LIST_DIR}/tieuplines.h
    ${CMAKE_CURRENT_LIST_DIR}/bitrows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bitrows.h
    ${CMAKE_CURRENT_LIST_DIR}/shaftstreadles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shaftstreadles.h
    ${CMAKE_CURRENT_LIST_DIR}/switchshafts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/switchshafts.h
    ${CMAKE_CURRENT_LIST_DIR}/reducerepeat.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reducerepeat.h
    ${CMAKE_CURRENT_LIST_DIR}/structurecommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/structurecommands.h
    ${CMAKE_CURRENT_LIST_DIR}/trompaswrit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/trompaswrit.h
    ${CMAKE_CURRENT_LIST_DIR}/wrapliftplan.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wrapliftplan.h
    ${CMAKE_CURRENT_LIST_DIR}/reversals.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reversals.h
    ${CMAKE_CURRENT_LIST_DIR}/mirror.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mirror.h
    ${CMAKE_CURRENT_LIST_DIR}/tieupspecial.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tieupspecial.h
)

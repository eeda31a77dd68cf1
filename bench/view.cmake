hm_add_bench(bench_view ${CMAKE_CURRENT_LIST_DIR}/bench_view.cpp)

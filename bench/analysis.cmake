hm_add_bench(bench_analysis ${CMAKE_CURRENT_LIST_DIR}/bench_analysis.cpp)

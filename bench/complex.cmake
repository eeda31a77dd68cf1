hm_add_bench(bench_complex ${CMAKE_CURRENT_LIST_DIR}/bench_complex.cpp)

hm_add_bench(bench_ops ${CMAKE_CURRENT_LIST_DIR}/bench_ops.cpp)

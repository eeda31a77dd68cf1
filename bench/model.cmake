hm_add_bench(bench_model ${CMAKE_CURRENT_LIST_DIR}/bench_model.cpp)

# The recovery copy of a full table, and the editor's Down key while copies are written.
if(TARGET brindle_qt)
  brindle_add_bench(recovery_bench SOURCES recovery_bench.cpp LIBS brindle_qt Qt6::Test)
endif()

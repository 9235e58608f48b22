if(TARGET brindle_render)
  brindle_add_bench(render_bench SOURCES render_bench.cpp LIBS brindle_render)
endif()

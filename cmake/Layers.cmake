# qv_layer(NAME [USES LAYER...] SOURCES FILE... [LIBS TARGET...])
#
# One static library qv_NAME per folder of src/. Its headers are reached as "NAME/File.h"
# through an include root that holds only that folder, and a layer sees the roots of the layers
# it uses (and what those use) and no others: an include against the order does not compile.
function(qv_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "" "USES;SOURCES;LIBS")
  add_library(qv_${name} STATIC ${LAYER_SOURCES})
  set(root ${PROJECT_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${name} ${root}/${name} SYMBOLIC)
  target_include_directories(qv_${name} PUBLIC ${root})
  list(TRANSFORM LAYER_USES PREPEND qv_)
  target_link_libraries(qv_${name} PUBLIC ${LAYER_USES} ${LAYER_LIBS})
endfunction()

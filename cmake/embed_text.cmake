# kz_embed_text(TARGET SOURCE HEADER NAMESPACE CONSTANT) compiles the text
# file SOURCE into the generated HEADER as one std::string_view, so no
# program needs a path to the source tree. The header is rewritten only
# when the text changed, so an untouched file rebuilds nothing.
function(kz_embed_text target source header namespace constant)
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/generated)
  file(READ ${source} content)
  file(RELATIVE_PATH shown ${PROJECT_SOURCE_DIR} ${source})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(WRITE ${generated}/${header}.new
    "// Generated from ${shown}; edit that file instead.\n#pragma once\n#include <string_view>\nnamespace ${namespace} {\ninline constexpr std::string_view ${constant} = R\"embedded(${content})embedded\";\n}  // namespace ${namespace}\n")
  configure_file(${generated}/${header}.new ${generated}/${header} COPYONLY)
  target_include_directories(${target} PRIVATE ${generated})
endfunction()

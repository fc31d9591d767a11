# One static library per folder of src/, each folder one layer. USES names the
# layers below it that it may use; the same rule is checked for every #include
# by scripts/check-layers.py, since linking alone does not see header-only use.
# A folder's win32/ part becomes velmora_<layer>_win32, built for Windows only,
# on top of its own layer and the win32 parts of the layers it uses.

function(velmora_layer name)
  cmake_parse_arguments(LAYER "" "" "USES;EXTRA_SOURCES;SUBFOLDERS;SYSTEM_LIBRARIES" ${ARGN})
  set(folder ${PROJECT_SOURCE_DIR}/src/${name})
  set(patterns ${folder}/*.cpp)
  foreach(sub IN LISTS LAYER_SUBFOLDERS)
    list(APPEND patterns ${folder}/${sub}/*.cpp)
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${patterns})
  add_library(velmora_${name} STATIC ${sources} ${LAYER_EXTRA_SOURCES})
  target_include_directories(velmora_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(velmora_${name} PRIVATE ${VELMORA_WARNINGS})
  set(below)
  set(below_win32)
  foreach(layer IN LISTS LAYER_USES)
    list(APPEND below velmora_${layer})
    if(TARGET velmora_${layer}_win32)
      list(APPEND below_win32 velmora_${layer}_win32)
    endif()
  endforeach()
  target_link_libraries(velmora_${name} PUBLIC ${below})

  # A subfolder (settings) has its win32/ part inside the layer's: win32/settings.
  set(win32_patterns ${folder}/win32/*.cpp)
  foreach(sub IN LISTS LAYER_SUBFOLDERS)
    list(APPEND win32_patterns ${folder}/win32/${sub}/*.cpp)
  endforeach()
  file(GLOB win32_sources CONFIGURE_DEPENDS ${win32_patterns})
  if(WIN32 AND win32_sources)
    list(FILTER win32_sources EXCLUDE REGEX "/WinMain\\.cpp$")
    add_library(velmora_${name}_win32 STATIC ${win32_sources})
    target_link_libraries(velmora_${name}_win32 PUBLIC velmora_${name} ${below_win32} ${LAYER_SYSTEM_LIBRARIES})
    target_compile_definitions(velmora_${name}_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
    target_compile_options(velmora_${name}_win32 PRIVATE ${VELMORA_WARNINGS})
  endif()
endfunction()

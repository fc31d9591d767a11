# The Windows program: the Win32 side of the seams (src/*/win32) as one
# library, and Velmora.exe (src/app) with its version and manifest.
# DirectInput and XInput are loaded at run time; only dinput8's static data
# format (c_dfDIJoystick) and the DirectX GUIDs come from import libraries,
# and they add no DLL import.

file(GLOB_RECURSE VELMORA_WIN32_SOURCES CONFIGURE_DEPENDS
  src/core/win32/*.cpp src/files/win32/*.cpp src/devices/win32/*.cpp src/ui/win32/*.cpp)
add_library(velmora_win32 STATIC ${VELMORA_WIN32_SOURCES})
target_link_libraries(velmora_win32 PUBLIC velmora_core dinput8 dxguid winmm comdlg32 shell32)
target_compile_definitions(velmora_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_compile_options(velmora_win32 PRIVATE ${VELMORA_WARNINGS})

file(GLOB VELMORA_APP_SOURCES CONFIGURE_DEPENDS src/app/*.cpp)
add_executable(Velmora WIN32 ${VELMORA_APP_SOURCES} src/app/Velmora.rc)
target_link_libraries(Velmora PRIVATE velmora_win32 shell32 ole32)
target_compile_options(Velmora PRIVATE ${VELMORA_WARNINGS})
set_target_properties(Velmora PROPERTIES OUTPUT_NAME Velmora)
set_source_files_properties(src/app/Velmora.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/src/app/Velmora.manifest;${CMAKE_SOURCE_DIR}/src/app/icons/Velmora.ico;${CMAKE_SOURCE_DIR}/src/app/icons/Controller.ico;${CMAKE_SOURCE_DIR}/src/app/icons/Profile.ico;${CMAKE_SOURCE_DIR}/src/app/icons/Language.ico")

# The Win32 seams' own tests (tests/**/win32) run in the same suite under Wine.
if(TARGET velmora_tests)
  target_link_libraries(velmora_tests PRIVATE velmora_win32)
endif()

# Velmora.exe: WinMain with its version, icons and manifest on top of the
# Win32 side of every layer (velmora_app_win32 and the layers below it).
# DirectInput and XInput are loaded at run time; only dinput8's static data
# format (c_dfDIJoystick) and the DirectX GUIDs come from import libraries,
# and they add no DLL import.

set(VELMORA_APP_WIN32 ${CMAKE_SOURCE_DIR}/src/app/win32)
add_executable(Velmora WIN32 ${VELMORA_APP_WIN32}/WinMain.cpp ${VELMORA_APP_WIN32}/Velmora.rc)
target_link_libraries(Velmora PRIVATE velmora_app_win32)
target_compile_options(Velmora PRIVATE ${VELMORA_WARNINGS})
set_target_properties(Velmora PROPERTIES OUTPUT_NAME Velmora)
# The release ships this file: the linker drops the sections that nothing
# reaches (the toolchain puts every function in its own section).
target_link_options(Velmora PRIVATE -Wl,--gc-sections)
set_source_files_properties(${VELMORA_APP_WIN32}/Velmora.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_BINARY_DIR}/generated/ProgramVersion.h;${VELMORA_APP_WIN32}/Velmora.manifest;${VELMORA_APP_WIN32}/icons/Velmora.ico;${VELMORA_APP_WIN32}/icons/Controller.ico;${VELMORA_APP_WIN32}/icons/Profile.ico;${VELMORA_APP_WIN32}/icons/Language.ico")

# The Win32 side's own tests (tests/**/win32) run in the same suite under Wine.
if(TARGET velmora_tests)
  target_link_libraries(velmora_tests PRIVATE velmora_app_win32)
endif()

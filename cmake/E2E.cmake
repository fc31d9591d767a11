# End-to-end tests of the real Velmora.exe under Wine, with no controller:
# a fake dinput8.dll and xinput1_3.dll play a scenario of devices, a recorder
# with low-level hooks writes every injected key and mouse event, and
# scripts/e2e.py compares them with the scenario's expectations.
# Everything lands in build/windows/e2e-tools; tests/e2e/README.md tells more.

set(VELMORA_E2E_TOOLS ${CMAKE_BINARY_DIR}/e2e-tools)

function(velmora_e2e_tool target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${VELMORA_E2E_TOOLS}
    LIBRARY_OUTPUT_DIRECTORY ${VELMORA_E2E_TOOLS})
  target_compile_options(${target} PRIVATE ${VELMORA_WARNINGS})
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
endfunction()

# dinput8.dll: the device world (scenario, clock, log) and the DirectInput objects.
add_library(velmora_fake_dinput8 SHARED
  tools/fake-devices/Scenario.cpp tools/fake-devices/FakeWorld.cpp
  tools/fake-dinput8/FakeDirectInput.cpp tools/fake-dinput8/FakeDevice.cpp tools/fake-dinput8/FakeEffect.cpp
  tools/fake-dinput8/dinput8.def)
set_target_properties(velmora_fake_dinput8 PROPERTIES OUTPUT_NAME dinput8 PREFIX "")
target_link_libraries(velmora_fake_dinput8 PRIVATE dxguid uuid)
velmora_e2e_tool(velmora_fake_dinput8)

# xinput1_3.dll: hands its two entry points to the world in dinput8.dll.
add_library(velmora_fake_xinput SHARED tools/fake-xinput/FakeXInput.cpp tools/fake-xinput/xinput1_3.def)
set_target_properties(velmora_fake_xinput PROPERTIES OUTPUT_NAME xinput1_3 PREFIX "")
velmora_e2e_tool(velmora_fake_xinput)

add_executable(velmora_recorder tools/recorder/Recorder.cpp)
set_target_properties(velmora_recorder PROPERTIES OUTPUT_NAME recorder)
velmora_e2e_tool(velmora_recorder)

add_executable(velmora_window tools/window/VelmoraWindow.cpp)
set_target_properties(velmora_window PROPERTIES OUTPUT_NAME velmora-window)
target_link_libraries(velmora_window PRIVATE shell32)
velmora_e2e_tool(velmora_window)

# fake-probe.exe: uses the two fakes as the program does; the test of the fakes themselves.
add_executable(velmora_fake_probe tools/fake-probe/FakeProbe.cpp)
set_target_properties(velmora_fake_probe PROPERTIES OUTPUT_NAME fake-probe)
target_link_libraries(velmora_fake_probe PRIVATE dinput8 dxguid)
velmora_e2e_tool(velmora_fake_probe)

# front-game.exe: a window that stays in front for a while, for the profiles that follow the program in front.
add_executable(velmora_front_game WIN32 tools/front-game/FrontGame.cpp)
set_target_properties(velmora_front_game PROPERTIES OUTPUT_NAME front-game)
target_link_options(velmora_front_game PRIVATE -municode)
velmora_e2e_tool(velmora_front_game)

# bare-loop.exe: the 10 ms wait and nothing else, the idle-cost benchmark's yardstick.
add_executable(velmora_bare_loop tools/bare-loop/BareLoop.cpp)
set_target_properties(velmora_bare_loop PROPERTIES OUTPUT_NAME bare-loop)
velmora_e2e_tool(velmora_bare_loop)

add_custom_target(velmora_e2e_tools ALL
  DEPENDS velmora_fake_dinput8 velmora_fake_xinput velmora_recorder velmora_window velmora_fake_probe
          velmora_front_game velmora_bare_loop)

if(VELMORA_TESTS)
  find_package(Python3 COMPONENTS Interpreter)
  if(Python3_FOUND)
    set(VELMORA_E2E_DRIVER ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/e2e.py --build ${CMAKE_BINARY_DIR})
    # One virtual display, Wine prefix and Wine server for all scenarios; the
    # scenarios run one at a time, since the recorder sees every injected event.
    add_test(NAME e2e.setup COMMAND ${VELMORA_E2E_DRIVER} setup)
    add_test(NAME e2e.cleanup COMMAND ${VELMORA_E2E_DRIVER} cleanup)
    set_tests_properties(e2e.setup PROPERTIES FIXTURES_SETUP velmora_e2e RUN_SERIAL TRUE TIMEOUT 120)
    set_tests_properties(e2e.cleanup PROPERTIES FIXTURES_CLEANUP velmora_e2e RUN_SERIAL TRUE)
    add_test(NAME e2e.fakes COMMAND ${VELMORA_E2E_DRIVER} probe)
    set_tests_properties(e2e.fakes PROPERTIES FIXTURES_REQUIRED velmora_e2e RUN_SERIAL TRUE TIMEOUT 90 LABELS e2e)
    file(GLOB VELMORA_E2E_SCENARIOS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/scenarios/*.scenario)
    foreach(scenario ${VELMORA_E2E_SCENARIOS})
      get_filename_component(name ${scenario} NAME_WE)
      add_test(NAME e2e.${name} COMMAND ${VELMORA_E2E_DRIVER} run ${scenario})
      set_tests_properties(e2e.${name} PROPERTIES
        FIXTURES_REQUIRED velmora_e2e RUN_SERIAL TRUE TIMEOUT 90 LABELS e2e SKIP_RETURN_CODE 77)
    endforeach()
    # The main window driven as a user would: xdotool clicks and keys, screenshots;
    # then each settings window's checks (scripts/gui_windows/NAME.py) as e2e.gui.NAME.
    add_test(NAME e2e.gui COMMAND ${VELMORA_E2E_DRIVER} gui module:main)
    set_tests_properties(e2e.gui PROPERTIES
      FIXTURES_REQUIRED velmora_e2e RUN_SERIAL TRUE TIMEOUT 180 LABELS e2e SKIP_RETURN_CODE 77)
    file(GLOB VELMORA_GUI_MODULES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/scripts/gui_windows/*.py)
    foreach(module ${VELMORA_GUI_MODULES})
      get_filename_component(name ${module} NAME_WE)
      if(name MATCHES "^_")
        continue()  # steps that another module's sessions run
      endif()
      add_test(NAME e2e.gui.${name} COMMAND ${VELMORA_E2E_DRIVER} gui module:${name})
      set_tests_properties(e2e.gui.${name} PROPERTIES
        FIXTURES_REQUIRED velmora_e2e RUN_SERIAL TRUE TIMEOUT 240 LABELS e2e SKIP_RETURN_CODE 77)
    endforeach()
    # The census's driving steps (controls.py) save the profile after each click they make.
    set_tests_properties(e2e.gui.controls PROPERTIES TIMEOUT 720)
  endif()
endif()

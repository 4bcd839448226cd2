# moxa_library(NAME SOURCES... [DEPS ...]): one static library per folder under src/.
function(moxa_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_BINARY_DIR}/generated)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# moxa_test(NAME SOURCES... DEPS ... [LABELS ...] [GUI] [GUI_APP]): one GoogleTest
# executable, registered with CTest. Every test process runs in its own temporary
# home, so the real settings store and working folders never touch the developer's.
# GUI: widgets and browser views (one process for the whole executable);
# GUI_APP: a QGuiApplication, for fonts and painting without widgets.
function(moxa_test name)
  cmake_parse_arguments(ARG "GUI;GUI_APP" "" "SOURCES;DEPS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_GUI)
    set(main moxa_test_main_widgets)
  elseif(ARG_GUI_APP)
    set(main moxa_test_main_gui)
  else()
    set(main moxa_test_main_core)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} ${main} moxa_test_support GTest::gtest)
  set(env "QT_QPA_PLATFORM=offscreen")
  if(ARG_GUI)
    list(APPEND env "QTWEBENGINE_CHROMIUM_FLAGS=--no-sandbox --disable-gpu")
  endif()
  if(ARG_GUI)
    # Widget and browser tests share one process: starting a browser engine per case is slow.
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" LABELS "gui;${ARG_LABELS}")
  else()
    gtest_discover_tests(${name}
      WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
      PROPERTIES ENVIRONMENT "${env}" LABELS "${ARG_LABELS}"
      DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

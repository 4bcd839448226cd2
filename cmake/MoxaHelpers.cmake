# Precompiled headers: the Qt, standard and GoogleTest headers nearly every file
# includes. On two cores most of a clean build went into parsing them again for
# every file. Each target precompiles its own set, so its defines always match.
option(MOXA_PCH "Precompile the common headers of every target" ON)
set(MOXA_PCH_CORE <QString> <QStringList> <QByteArray> <QList> <QHash> <QObject> <QFile> <QFileInfo>
  <QDir> <algorithm> <functional> <memory> <optional> <vector>)
set(MOXA_PCH_WIDGETS <QWidget> <QLabel> <QPainter> <QApplication>)

# moxa_precompile(TARGET [HEADERS...]): the common set plus the target's own,
# for a target of at least four source files: making the header costs about
# as much as compiling three files without it.
function(moxa_precompile target)
  get_target_property(sources ${target} SOURCES)
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  list(LENGTH sources count)
  if(MOXA_PCH AND count GREATER_EQUAL 4)
    target_precompile_headers(${target} PRIVATE ${MOXA_PCH_CORE} ${ARGN})
  endif()
endfunction()

# moxa_library(NAME SOURCES... [PUBLIC ...] [PRIVATE ...]): one static library
# per folder under src/. PUBLIC: what its headers show, so whatever links it
# needs it too; PRIVATE: what only its sources use (still linked into the
# program, as a static library must be, but its headers and compile flags stay
# with this library).
function(moxa_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_BINARY_DIR}/generated)
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
  set_property(GLOBAL APPEND PROPERTY MOXA_LIBRARIES ${name})
  if(Qt6::Widgets IN_LIST ARG_PUBLIC)
    moxa_precompile(${name} ${MOXA_PCH_WIDGETS})
  else()
    moxa_precompile(${name})
  endif()
endfunction()

# moxa_write_library_graph(FILE): after every library is made, writes which
# of our libraries each one links, one line per library:
# "NAME|PUBLIC,...|PRIVATE,..." without the "moxa_" prefix, read from the
# targets' own link properties (the README's graph is checked against it).
function(moxa_write_library_graph file)
  get_property(libraries GLOBAL PROPERTY MOXA_LIBRARIES)
  set(text "")
  foreach(library ${libraries})
    get_target_property(linked ${library} LINK_LIBRARIES)
    get_target_property(shown ${library} INTERFACE_LINK_LIBRARIES)
    set(public "")
    set(private "")
    foreach(dep ${linked})
      if(NOT dep IN_LIST libraries)
        continue()
      endif()
      string(REGEX REPLACE "^moxa_" "" short ${dep})
      # A private dependency of a static library shows as $<LINK_ONLY:dep>.
      if(dep IN_LIST shown)
        list(APPEND public ${short})
      else()
        list(APPEND private ${short})
      endif()
    endforeach()
    string(REGEX REPLACE "^moxa_" "" short ${library})
    list(JOIN public "," public)
    list(JOIN private "," private)
    string(APPEND text "${short}|${public}|${private}\n")
  endforeach()
  file(WRITE ${file} "${text}")
endfunction()

# moxa_test(NAME SOURCES... DEPS ... [LABELS ...] [GUI] [GUI_APP]): one GoogleTest
# executable, registered with CTest. Every test process runs in its own temporary
# home, so the real settings store and working folders never touch the developer's.
# GUI: widgets and browser views (one process for the whole executable);
# GUI_APP: a QGuiApplication, for fonts and painting without widgets.
# PRIVATE_KEYRING: the whole executable runs as one test on a private session
# bus with a keychain of its own.
function(moxa_test name)
  cmake_parse_arguments(ARG "GUI;GUI_APP;PRIVATE_KEYRING" "" "SOURCES;DEPS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_GUI)
    set(main moxa_test_main_widgets)
  elseif(ARG_GUI_APP)
    set(main moxa_test_main_gui)
  else()
    set(main moxa_test_main_core)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} ${main} moxa_test_support GTest::gtest)
  set(headers <gtest/gtest.h> <QTemporaryDir>)
  if(Qt6::Test IN_LIST ARG_DEPS)
    list(APPEND headers <QTest> <QSignalSpy>)
  endif()
  if(ARG_GUI)
    list(APPEND headers ${MOXA_PCH_WIDGETS})
  endif()
  moxa_precompile(${name} ${headers})
  set(env "QT_QPA_PLATFORM=offscreen")
  if(ARG_GUI)
    list(APPEND env "QTWEBENGINE_CHROMIUM_FLAGS=--no-sandbox --disable-gpu")
  endif()
  if(ARG_PRIVATE_KEYRING)
    set(runner ${CMAKE_SOURCE_DIR}/tests/support/with-private-keyring)
  endif()
  if(ARG_GUI OR ARG_PRIVATE_KEYRING)
    # Widget and browser tests share one process: starting a browser engine per case is slow.
    add_test(NAME ${name} COMMAND ${runner} $<TARGET_FILE:${name}> WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
    if(ARG_GUI)
      list(APPEND ARG_LABELS gui)
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" LABELS "${ARG_LABELS}")
  else()
    gtest_discover_tests(${name}
      WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
      PROPERTIES ENVIRONMENT "${env}" LABELS "${ARG_LABELS}"
      DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# Helpers shared by every folder's CMakeLists.txt.

# Where the Windows build stages the ready-to-run program folder.
set(SUITE_DIST_DIR "${CMAKE_BINARY_DIR}/dist")

function(suite_compile_options target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor
    -Wno-missing-field-initializers)
  if(SUITE_SANITIZE)
    target_compile_options(${target} PUBLIC -fsanitize=address,undefined
      -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
  if(WIN32)
    # Unicode Win32 API, Windows 10 as the oldest supported system.
    target_compile_definitions(${target} PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
      _WIN32_WINNT=0x0A00 WINVER=0x0A00)
  endif()
endfunction()

# suite_library(<name> [WIN32_ONLY] SOURCES ... [LIBS ...])
# A static library whose headers are included from the repository root ("common/x.h").
function(suite_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  suite_compile_options(${name})
endfunction()

# suite_windows_program(<target> OUTPUT_NAME <name> FOLDER <dist sub-folder or .>
#                       SOURCES ... LIBS ...)
# A GUI program linked statically, staged into the program folder.
function(suite_windows_program target)
  cmake_parse_arguments(ARG "" "OUTPUT_NAME;FOLDER" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} WIN32 ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/win32/manifest.rc)
  target_link_libraries(${target} PRIVATE ${ARG_LIBS})
  target_link_options(${target} PRIVATE -static -municode -mwindows)
  suite_compile_options(${target})
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${ARG_OUTPUT_NAME}
    RUNTIME_OUTPUT_DIRECTORY "${SUITE_DIST_DIR}/${ARG_FOLDER}")
endfunction()

# suite_stage_file(<target> <source file> <dist sub-folder or .>)
# Copies a data file that ships beside a program into the program folder.
function(suite_stage_file target source folder)
  get_filename_component(name "${source}" NAME)
  set(dest "${SUITE_DIST_DIR}/${folder}/${name}")
  add_custom_command(OUTPUT "${dest}"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different "${source}" "${dest}"
    DEPENDS "${source}" VERBATIM)
  string(MAKE_C_IDENTIFIER "stage_${folder}_${name}" stage_target)
  add_custom_target(${stage_target} ALL DEPENDS "${dest}")
  add_dependencies(${target} ${stage_target})
endfunction()

# Helpers that give every target of the project the same language level and warnings.
# Warnings are errors for the project's own code only; third-party headers come in as
# system includes through their imported targets.

function(lumivex_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion -Werror)
  # GCC 12 reports -Wrestrict inside libstdc++'s own string concatenation at -O3, a
  # known false positive (GCC bug 105329); it says nothing about the project's code.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()

# lumivex_add_library(NAME ALIAS SOURCES...): a static library with its alias and warnings.
function(lumivex_add_library name alias)
  add_library(${name} STATIC ${ARGN})
  add_library(${alias} ALIAS ${name})
  target_compile_features(${name} PUBLIC cxx_std_20)
  lumivex_set_warnings(${name})
endfunction()

# lumivex_add_executable(NAME SOURCES...): a program of the project with its warnings.
function(lumivex_add_executable name)
  add_executable(${name} ${ARGN})
  lumivex_set_warnings(${name})
endfunction()

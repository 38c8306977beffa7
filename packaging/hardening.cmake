# The hardening Debian builds the programs it ships with (dpkg-buildflags with hardening=+all):
# stack protection, checked string and memory functions, a position-independent executable and
# a read-only relocation table resolved at start. The package is made from the Release build,
# so the program and every library of ours that goes into it are compiled and linked so there.
# The debug, sanitizer and fuzzing builds keep their flags: the checked functions need
# optimisation and would stand in the sanitizers' way. Position independence, which Debian's
# compiler gives every program anyway, is asked for in every build but the sanitizers'.
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)

# The non-imported targets that `target` is linked from, itself included. A library linked
# from another folder is listed as NAME::@(folder id), and a private dependency of a static
# library as $<LINK_ONLY:NAME>; both are read back to NAME.
function(tessivar_own_link_closure target out_var)
  set(pending ${target})
  set(found)
  while(pending)
    list(POP_FRONT pending item)
    if(item MATCHES "^\\$<LINK_ONLY:([^>]+)>$")
      set(item ${CMAKE_MATCH_1})
    endif()
    string(REGEX REPLACE "::@.*$" "" item "${item}")
    if(NOT TARGET "${item}" OR item IN_LIST found)
      continue()
    endif()
    get_target_property(aliased ${item} ALIASED_TARGET)
    if(aliased)
      list(APPEND pending ${aliased})
      continue()
    endif()
    get_target_property(imported ${item} IMPORTED)
    if(imported)
      continue()
    endif()
    list(APPEND found ${item})
    get_target_property(type ${item} TYPE)
    set(properties INTERFACE_LINK_LIBRARIES)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      list(APPEND properties LINK_LIBRARIES)
    endif()
    foreach(property IN LISTS properties)
      get_target_property(links ${item} ${property})
      if(links)
        list(APPEND pending ${links})
      endif()
    endforeach()
  endwhile()
  set(${out_var} ${found} PARENT_SCOPE)
endfunction()

function(tessivar_harden_program program)
  if(TESSIVAR_SANITIZE)
    return()
  endif()
  set(release "$<CONFIG:Release>")
  tessivar_own_link_closure(${program} targets)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
      continue()
    endif()
    # The compiler may define _FORTIFY_SOURCE itself (some distributions' compilers do); it is
    # undefined first so that ours is the one in force and no redefinition is warned about.
    target_compile_options(${target} PRIVATE
        "$<${release}:-fstack-protector-strong;-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    set_property(TARGET ${target} PROPERTY POSITION_INDEPENDENT_CODE ON)
  endforeach()
  target_link_options(${program} PRIVATE "$<${release}:LINKER:-z,relro;LINKER:-z,now>")
  message(STATUS "packaging: Release builds of ${program} are hardened: ${targets}")
endfunction()

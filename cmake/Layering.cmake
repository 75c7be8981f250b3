# Layering: a target may only link the layers named for it here. The build fails when a
# target pulls in a library from a layer above its own (the engine never sees Qt).
# Layers, lowest first: the engine's libraries; scripting/ (the run-time objects,
# on the engine and POSIX, no Qt); vbsrun; platform/ (Qt); controls/, dialog/, host/.
function(vorna_check_layering target)
  cmake_parse_arguments(ARG "" "" "ALLOWED" ${ARGN})
  get_target_property(libs ${target} LINK_LIBRARIES)
  if(NOT libs)
    return()
  endif()
  foreach(lib IN LISTS libs)
    if(lib MATCHES "^vorna_" AND NOT lib IN_LIST ARG_ALLOWED)
      message(FATAL_ERROR "layering: ${target} may not depend on ${lib}")
    endif()
    if(lib MATCHES "^Qt" AND NOT "Qt" IN_LIST ARG_ALLOWED)
      message(FATAL_ERROR "layering: ${target} may not depend on Qt (${lib})")
    endif()
  endforeach()
endfunction()

# Installs the stand-in library `package` (a target of that name) as the real package installs:
# its headers, its library, its exported targets and a <package>Config.cmake that finds the
# packages its interface needs (the arguments after SUMMARY, which says what it holds).
function(quorvex_install_stand_in package SUMMARY summary)
  set(find_dependencies "")
  foreach(dependency IN LISTS ARGN)
    string(APPEND find_dependencies "find_dependency(${dependency})\n")
  endforeach()
  set(config "${CMAKE_CURRENT_BINARY_DIR}/${package}Config.cmake")
  configure_file("${CMAKE_CURRENT_FUNCTION_LIST_DIR}/stand_inConfig.cmake.in" "${config}" @ONLY)

  install(DIRECTORY include/ DESTINATION include/${package})
  install(TARGETS ${package}
    EXPORT ${package}Targets
    LIBRARY DESTINATION lib
    ARCHIVE DESTINATION lib
    RUNTIME DESTINATION bin)
  install(EXPORT ${package}Targets
    NAMESPACE ${package}::
    DESTINATION share/${package}/cmake)
  install(FILES "${config}" DESTINATION share/${package}/cmake)
endfunction()

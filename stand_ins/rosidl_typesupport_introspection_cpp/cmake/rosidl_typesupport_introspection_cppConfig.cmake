# Stand-in for the ROS 2 package rosidl_typesupport_introspection_cpp: identifier, records,
# templates.
# quorvex builds its own stand-ins; one that an earlier build installed must not take their place.
if(PROJECT_NAME STREQUAL "quorvex")
  set(${CMAKE_FIND_PACKAGE_NAME}_FOUND FALSE)
  return()
endif()
include(CMakeFindDependencyMacro)
find_dependency(rosidl_runtime_c)
find_dependency(rosidl_runtime_cpp)
find_dependency(rosidl_typesupport_introspection_c)
include("${CMAKE_CURRENT_LIST_DIR}/rosidl_typesupport_introspection_cppTargets.cmake")
set(rosidl_typesupport_introspection_cpp_IS_STAND_IN TRUE)
set(rosidl_typesupport_introspection_cpp_LIBRARIES
  rosidl_typesupport_introspection_cpp::rosidl_typesupport_introspection_cpp)

# Stand-in for the ROS 2 package rosidl_typesupport_fastrtps_cpp: identifier, records, templates.
include(CMakeFindDependencyMacro)
find_dependency(fastcdr)
find_dependency(rosidl_runtime_c)
include("${CMAKE_CURRENT_LIST_DIR}/rosidl_typesupport_fastrtps_cppTargets.cmake")
set(rosidl_typesupport_fastrtps_cpp_IS_STAND_IN TRUE)
set(rosidl_typesupport_fastrtps_cpp_LIBRARIES
  rosidl_typesupport_fastrtps_cpp::rosidl_typesupport_fastrtps_cpp)

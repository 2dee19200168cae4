# Stand-in for the ROS 2 package rosidl_typesupport_fastrtps_c: its identifier.
include(CMakeFindDependencyMacro)
find_dependency(rosidl_runtime_c)
include("${CMAKE_CURRENT_LIST_DIR}/rosidl_typesupport_fastrtps_cTargets.cmake")
set(rosidl_typesupport_fastrtps_c_IS_STAND_IN TRUE)
set(rosidl_typesupport_fastrtps_c_LIBRARIES
  rosidl_typesupport_fastrtps_c::rosidl_typesupport_fastrtps_c)

# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""
Stand-in for ROS 2's rosidl_generator_py runtime, installed only where the real one is not.

Message classes call import_type_support(package) to reach their package's C type support.
"""

from rosidl_generator_py.import_type_support import import_type_support
from rosidl_generator_py.import_type_support import UnsupportedTypeSupport

__all__ = ['import_type_support', 'UnsupportedTypeSupport']

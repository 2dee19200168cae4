# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""
Stand-in for ROS 2's rosidl_parser, installed only where the real package is not importable.

Only `rosidl_parser.definition` is provided, with the type descriptions that message classes
list in their SLOT_TYPES.
"""

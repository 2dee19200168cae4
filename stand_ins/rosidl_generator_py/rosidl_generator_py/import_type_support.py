# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""Imports the extension module that holds an interface package's C type support."""

import importlib


class UnsupportedTypeSupport(ImportError):
    """The package's type-support extension could not be imported."""

    def __init__(self, module_name, reason):
        super().__init__(
            'could not import the type support module %s: %s' % (module_name, reason),
            name=module_name)
        self.module_name = module_name


def import_type_support(pkg_name):
    """
    Import `<pkg_name>.<pkg_name>_s__rosidl_typesupport_c` and return it.

    Raises UnsupportedTypeSupport, an ImportError, naming the module and the reason (typically
    a shared library that the loader cannot find).
    """
    module_name = '%s.%s_s__rosidl_typesupport_c' % (pkg_name, pkg_name)
    try:
        return importlib.import_module(module_name)
    except ImportError as error:
        raise UnsupportedTypeSupport(module_name, error) from error

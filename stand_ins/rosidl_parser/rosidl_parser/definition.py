# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""
Descriptions of interface types, as message classes list them in SLOT_TYPES.

The class names, their bases and their attributes are those of ROS 2's rosidl_parser, so that
tools written against it (`isinstance(t, AbstractSequence)`, `t.value_type.typename`) work on
these. Only the kinds of types that this installation's messages use are described.
"""

BOOLEAN_TYPE = 'boolean'
OCTET_TYPE = 'octet'
CHARACTER_TYPES = ('char', 'wchar')
FLOATING_POINT_TYPES = ('float', 'double', 'long double')
INTEGER_TYPES = (
    'int8', 'uint8', 'int16', 'uint16', 'int32', 'uint32', 'int64', 'uint64')
BASIC_TYPES = (BOOLEAN_TYPE, OCTET_TYPE) + CHARACTER_TYPES + FLOATING_POINT_TYPES + INTEGER_TYPES


class AbstractType:
    """Any interface type; two types are equal when they are of one class with equal fields."""

    __slots__ = ()

    def _fields(self):
        names = (name for cls in reversed(type(self).__mro__)
                 for name in cls.__dict__.get('__slots__', ()))
        return tuple(getattr(self, name) for name in names)

    def __eq__(self, other):
        return type(self) is type(other) and self._fields() == other._fields()

    def __hash__(self):
        return hash((type(self).__name__,) + self._fields())

    def __repr__(self):
        fields = ', '.join(repr(value) for value in self._fields())
        return '%s(%s)' % (type(self).__name__, fields)


class AbstractNestableType(AbstractType):
    """A type that can be the element of a sequence."""

    __slots__ = ()


class BasicType(AbstractNestableType):
    """A primitive type: 'boolean', 'int32', 'double' ..."""

    __slots__ = ('typename',)

    def __init__(self, typename):
        if typename not in BASIC_TYPES:
            raise ValueError('not a basic type: %r' % (typename,))
        self.typename = typename


class AbstractGenericString(AbstractNestableType):
    """A string of any character width."""

    __slots__ = ()

    def has_maximum_size(self):
        return False


class AbstractString(AbstractGenericString):
    """A string of 8-bit characters."""

    __slots__ = ()


class UnboundedString(AbstractString):
    """A string of 8-bit characters without an upper bound."""

    __slots__ = ()


class AbstractNestedType(AbstractType):
    """A type that holds elements of another type."""

    __slots__ = ('value_type',)

    def __init__(self, value_type):
        if not isinstance(value_type, AbstractNestableType):
            raise TypeError('a sequence holds basic types or strings, not %r' % (value_type,))
        self.value_type = value_type


class AbstractSequence(AbstractNestedType):
    """A sequence of elements of one type."""

    __slots__ = ()


class UnboundedSequence(AbstractSequence):
    """A sequence without an upper bound."""

    __slots__ = ()

    def has_maximum_size(self):
        return False

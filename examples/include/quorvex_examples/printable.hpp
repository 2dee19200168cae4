// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX_EXAMPLES__PRINTABLE_HPP_
#define QUORVEX_EXAMPLES__PRINTABLE_HPP_

#include <cstddef>
#include <string>

namespace quorvex_examples
{

/// Text from a request or a reply made safe to print on a terminal or in a log: control
/// characters (C0, DEL and C1) and bytes that are not UTF-8 become escapes (\n, \t, \x1b,
/// \u009b), a backslash becomes \\, so that no line can be forged and no terminal sequence sent.
/// Line breaks are kept when `keep_newlines` is true. Text beyond `max_bytes` of the input is cut
/// and replaced by "... (N bytes in all)".
std::string printable(const std::string & text, size_t max_bytes, bool keep_newlines = false);

}  // namespace quorvex_examples

#endif  // QUORVEX_EXAMPLES__PRINTABLE_HPP_

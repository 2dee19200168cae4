// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex_examples/printable.hpp"

#include <cstdio>
#include <string>

namespace quorvex_examples
{

namespace
{

// Length of the well-formed UTF-8 sequence at text[at], 0 when there is none.
size_t utf8_length(const std::string & text, size_t at)
{
  const auto byte = [&text](size_t k) {return static_cast<unsigned char>(text[k]);};
  const unsigned char lead = byte(at);
  size_t length = 0;
  unsigned char low = 0x80, high = 0xbf;  // range of the second byte
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
    low = lead == 0xe0 ? 0xa0 : 0x80;
    high = lead == 0xed ? 0x9f : 0xbf;  // no surrogates
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
    low = lead == 0xf0 ? 0x90 : 0x80;
    high = lead == 0xf4 ? 0x8f : 0xbf;
  } else {
    return 0;
  }
  if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high) {
    return 0;
  }
  for (size_t k = 2; k < length; ++k) {
    if (byte(at + k) < 0x80 || byte(at + k) > 0xbf) {
      return 0;
    }
  }
  return length;
}

void append_escape(std::string & out, const char * format, unsigned int value)
{
  char escape[8];
  std::snprintf(escape, sizeof(escape), format, value);
  out += escape;
}

}  // namespace

std::string printable(const std::string & text, size_t max_bytes, bool keep_newlines)
{
  std::string out;
  size_t at = 0;
  while (at < text.size() && at < max_bytes) {
    const unsigned char c = static_cast<unsigned char>(text[at]);
    if (c == '\n' && keep_newlines) {
      out += '\n';
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\\') {
      out += "\\\\";
    } else if (c < 0x20 || c == 0x7f) {
      append_escape(out, "\\x%02x", c);
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      const size_t length = utf8_length(text, at);
      if (length == 0) {
        append_escape(out, "\\x%02x", c);
      } else if (length == 2 && c == 0xc2 && static_cast<unsigned char>(text[at + 1]) < 0xa0) {
        // U+0080..U+009F, the C1 controls, which terminals obey as ESC sequences.
        append_escape(out, "\\u%04x", static_cast<unsigned char>(text[at + 1]));
        at += 1;
      } else {
        out.append(text, at, length);
        at += length - 1;
      }
    }
    ++at;
  }
  if (at < text.size()) {
    out += "... (" + std::to_string(text.size()) + " bytes in all)";
  }
  return out;
}

}  // namespace quorvex_examples

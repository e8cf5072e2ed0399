// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace stockcalc::fuzz {

// The bytes as text a user could have typed: valid UTF-8, every malformed
// sequence replaced by U+FFFD (the widget layer only ever passes valid UTF-8).
inline std::string ValidUtf8(const std::uint8_t* data, std::size_t size) {
  std::string out;
  out.reserve(size);
  std::size_t i = 0;
  while (i < size) {
    const std::uint8_t lead = data[i];
    std::size_t len = 0;
    std::uint32_t min = 0;
    if (lead < 0x80) {
      out.push_back(static_cast<char>(lead));
      ++i;
      continue;
    }
    if ((lead & 0xE0) == 0xC0) {
      len = 2;
      min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      len = 3;
      min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      len = 4;
      min = 0x10000;
    }
    bool ok = len != 0 && i + len <= size;
    std::uint32_t code = ok ? (lead & (0x7FU >> len)) : 0;
    for (std::size_t k = 1; ok && k < len; ++k) {
      ok = (data[i + k] & 0xC0) == 0x80;
      code = (code << 6) | (data[i + k] & 0x3FU);
    }
    ok = ok && code >= min && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    if (ok) {
      out.append(reinterpret_cast<const char*>(data + i), len);
      i += len;
    } else {
      out.append("\xEF\xBF\xBD");
      ++i;
    }
  }
  return out;
}

// A typed text after the window cleaned it, worked out here rather than by
// the program's own code: each decimal mark ("。", "，", ",") replaced by "."
// left to right, then each unit deleted, in the order given.
inline std::string Cleaned(std::string text, std::span<const std::string_view> units) {
  const auto replace = [&text](std::string_view from, std::string_view to) {
    std::string out;
    std::size_t pos = 0;
    for (std::size_t hit = text.find(from); hit != std::string::npos; hit = text.find(from, pos)) {
      out.append(text, pos, hit - pos).append(to);
      pos = hit + from.size();
    }
    out.append(text, pos);
    text = std::move(out);
  };
  for (const std::string_view mark : {"。", "，", ","}) replace(mark, ".");
  for (const std::string_view unit : units) replace(unit, "");
  return text;
}

}  // namespace stockcalc::fuzz

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

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

}  // namespace stockcalc::fuzz

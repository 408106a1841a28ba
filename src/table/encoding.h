// Text encoding of data files: UTF-8 when the bytes are valid UTF-8, otherwise
// Windows-1252. In memory every text is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace qm {

bool isValidUtf8(std::string_view bytes);

// Windows-1252 bytes to UTF-8 (the five unassigned bytes map to U+0081 and so on).
std::string cp1252ToUtf8(std::string_view bytes);

// Bytes of a file to UTF-8 text by the rule above (a leading UTF-8 byte-order
// mark is dropped).
std::string decodeFileText(std::string_view bytes);

// UTF-8 text to Windows-1252 when every character has a byte there; otherwise
// the text unchanged (UTF-8). `wasCp1252` tells which.
std::string encodeFileText(std::string_view utf8, bool* wasCp1252 = nullptr);

} // namespace qm

#pragma once
// The person file keeps names as single-byte Windows-1252 text, so that a file
// moves between Windows and other systems unchanged; the program works in
// UTF-8. This is the one codec between the two.

#include <cstddef>
#include <string>
#include <string_view>

namespace cyclo {

// Every byte maps to one code point. The five bytes Windows-1252 leaves
// undefined map to the C1 control of the same value, as Windows does, so that
// decoding and encoding again returns the same bytes.
[[nodiscard]] std::string DecodeCp1252(std::string_view bytes);

// Encodes at most `maxChars` characters (code points) of a UTF-8 text. A
// character Windows-1252 cannot hold, and every byte of malformed UTF-8,
// becomes "?".
[[nodiscard]] std::string EncodeCp1252(std::string_view utf8, std::size_t maxChars);

} // namespace cyclo

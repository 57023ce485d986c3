#pragma once
// The person file keeps names as single-byte Windows-1252 text, so that a file
// moves between Windows and other systems unchanged; the program works in
// UTF-8. This is the one codec between the two.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cyclo {

// Every byte maps to one code point. The five bytes Windows-1252 leaves
// undefined map to the C1 control of the same value, as Windows does, so that
// decoding and encoding again returns the same bytes.
[[nodiscard]] std::string DecodeCp1252(std::string_view bytes);

// Encodes at most `maxChars` characters (code points) of a UTF-8 text. A
// character Windows-1252 cannot hold, and every byte of malformed UTF-8,
// becomes "?".
[[nodiscard]] std::string EncodeCp1252(std::string_view utf8, std::size_t maxChars);

// The characters among the first `maxChars` of a UTF-8 text that
// Windows-1252 cannot hold, each once, in the order they first appear, each
// as its UTF-8 text. Malformed UTF-8 shows as U+FFFD. Empty when
// EncodeCp1252 keeps every one of those characters. Characters past
// `maxChars` are cut anyway, so they are not looked at.
[[nodiscard]] std::vector<std::string> CharactersOutsideCp1252(std::string_view utf8,
                                                               std::size_t maxChars);

} // namespace cyclo

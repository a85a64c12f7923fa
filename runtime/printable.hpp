#pragma once

// Text from the user quoted in a message of one line: a line break or another
// control character in it must neither split the message nor reach the
// terminal as a command, and bytes that are not UTF-8 must not turn into
// another character on the way.

#include <cstddef>
#include <string>
#include <string_view>

namespace runtime {

// text with each control character (below 0x20, and 0x7F) written as an
// escape: \n, \r, \t, or \xHH; so is each byte that is not part of a valid
// UTF-8 sequence. Every other byte is kept.
std::string printable(std::string_view text);

// Whether text is valid UTF-8 (RFC 3629: no overlong forms, no surrogates,
// nothing beyond U+10FFFF).
bool isUtf8(std::string_view text);

// The columns UTF-8 text takes on a terminal, one per character: every byte
// but the continuation bytes 10xxxxxx, so that "Étape" or "Βήμα" are as wide
// as they show. What every table and line of the command line pads by.
std::size_t displayWidth(std::string_view text);

} // namespace runtime

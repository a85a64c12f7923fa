#pragma once

// Text from the user quoted in a message of one line: a line break or another
// control character in it must neither split the message nor reach the
// terminal as a command.

#include <string>
#include <string_view>

namespace runtime {

// text with each control character (below 0x20, and 0x7F) written as an
// escape: \n, \r, \t, or \xHH. Every other byte, UTF-8 included, is kept.
std::string printable(std::string_view text);

} // namespace runtime

#pragma once
// Received text shown as one plain line: nothing in it can move the cursor,
// start a terminal escape, break the line or reorder it.

#include <string>
#include <string_view>

namespace kestrivane {

// Valid UTF-8 is kept; control characters (C0, DEL, C1), line and paragraph
// separators and bidirectional controls become \n, \r, \t, \xNN or \uXXXX;
// bytes that are not UTF-8 become \xNN; a backslash becomes \\ so that every
// escape is unambiguous.
std::string EscapeForDisplay(std::string_view text);

}  // namespace kestrivane

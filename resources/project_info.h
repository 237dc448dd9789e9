#pragma once
// Facts about the project that its texts and files name; plain data.

namespace kestrivane {

// The project's home page, named in the footer of every timetable.
inline constexpr const char* kProjectHomePage = "https://kestrivane.org";

}  // namespace kestrivane

#pragma once
// The name the user is known by on the network.

#include <string>

namespace kestrivane {

// Login name of the process owner from the user database; "Default" when the
// owner has no entry or the entry has no name.
std::string GetLoginName();

}  // namespace kestrivane

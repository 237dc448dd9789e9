#pragma once
// The name the user is known by on the network.

#include <string>

namespace kestrivane {

// Login name of the process owner from the user database, as stored text
// (settings/stored_text.h) like every name the network carries; "Default"
// when the owner has no entry or the entry has no name.
std::string GetLoginName();

}  // namespace kestrivane

#include "platform/user_name.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "settings/stored_text.h"

namespace kestrivane {

std::string GetLoginName() {
  const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 1024);
  passwd entry{};
  passwd* found = nullptr;
  int status = 0;
  // Large directories (LDAP, NIS) may need more than the suggested size.
  while ((status = getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found)) == ERANGE &&
         buffer.size() < (1u << 20)) {
    buffer.resize(buffer.size() * 2);
  }
  if (status != 0 || found == nullptr || found->pw_name == nullptr || found->pw_name[0] == '\0') {
    return "Default";
  }
  return TextToStored(found->pw_name);
}

}  // namespace kestrivane

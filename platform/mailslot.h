#pragma once
// Remote mailslots over UDP: open a \\NAME\mailslot\SLOT path, write each
// message as one NetBIOS datagram, close; and the receiving end.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/mailslot_wire.h"
#include "platform/unique_fd.h"

namespace kestrivane {

struct MailslotPath {
  std::string host;      // NAME as written
  std::string mailslot;  // as sent: "\MAILSLOT\" and the slot in capitals
};

// \\NAME\mailslot\SLOT, "mailslot" in any case. The local (".") and domain
// broadcast ("*") forms are refused: only a named machine is ever addressed.
std::optional<MailslotPath> ParseMailslotPath(std::string_view path);

// The Messenger mailslot of the machine NAME: "\\\\%s\\mailslot\\messngr".
std::string MessengerMailslotPath(std::string_view name);

// The IPv4 address of NAME (network byte order) by the system resolver;
// nullopt when it does not resolve, `error` then saying why.
std::optional<uint32_t> ResolveHostIPv4(const std::string& host, std::string* error = nullptr);
using HostResolver =
    std::function<std::optional<uint32_t>(const std::string& host, std::string* error)>;

class CMailslot {
 public:
  // Resolves NAME and prepares a socket towards `port` there. nullopt for a
  // bad path, a name that does not resolve or no socket; `error`, when
  // given, then says which.
  static std::optional<CMailslot> Open(std::string_view path, uint16_t port = kNetbiosDatagramPort,
                                       std::string* error = nullptr,
                                       const HostResolver& resolve = ResolveHostIPv4);

  // Sends `message` as one datagram; true when all of it went out.
  bool Write(std::span<const uint8_t> message);

  void Close();
  bool IsOpen() const { return m_socket.IsValid(); }

 private:
  CMailslot() = default;

  UniqueFd m_socket;
  uint32_t m_nSourceIp = 0;
  std::string m_strSourceName;
  std::string m_strDestinationName;
  std::string m_strMailslot;
};

// Open, write once, close. False when the open or the write failed.
bool WriteMailslotMessage(const std::string& path, const std::vector<uint8_t>& message,
                          uint16_t port = kNetbiosDatagramPort,
                          const HostResolver& resolve = ResolveHostIPv4);

class CMailslotListener {
 public:
  // Binds UDP `port` (0: any free one) on `address` (host byte order;
  // INADDR_ANY for every interface). On failure `error` gets the errno.
  static std::optional<CMailslotListener> Bind(uint16_t port, uint32_t address,
                                               int* error = nullptr);

  uint16_t Port() const { return m_nPort; }

  // The next datagram, whole. nullopt when `timeoutMs` (negative: none)
  // passes first or the wait fails, errno telling which (EINTR for a signal).
  std::optional<std::vector<uint8_t>> Receive(int timeoutMs = -1);

 private:
  CMailslotListener() = default;

  UniqueFd m_socket;
  uint16_t m_nPort = 0;
};

}  // namespace kestrivane

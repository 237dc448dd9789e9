#include "platform/mailslot.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/ascii.h"

namespace kestrivane {

namespace {

constexpr std::string_view kMailslotPrefix = "mailslot\\";

std::atomic<uint16_t> g_nextDatagramId{1};

// The machine's NetBIOS name: the first label of its host name.
std::string LocalMachineName() {
  char name[256] = {};
  if (gethostname(name, sizeof name - 1) != 0) {
    return {};
  }
  std::string machine(name);
  return machine.substr(0, machine.find('.'));
}

}  // namespace

std::optional<MailslotPath> ParseMailslotPath(std::string_view path) {
  if (path.size() < 2 || path.substr(0, 2) != "\\\\" || path.find('\0') != std::string_view::npos) {
    return std::nullopt;
  }
  path.remove_prefix(2);
  const std::size_t slash = path.find('\\');
  if (slash == 0 || slash == std::string_view::npos) {
    return std::nullopt;
  }
  const std::string_view host = path.substr(0, slash);
  if (host == "." || host == "*") {
    return std::nullopt;
  }
  const std::string_view rest = path.substr(slash + 1);
  if (rest.size() <= kMailslotPrefix.size() ||
      !AsciiEqualsIgnoreCase(rest.substr(0, kMailslotPrefix.size()), kMailslotPrefix)) {
    return std::nullopt;
  }
  return MailslotPath{std::string(host), "\\" + AsciiUpper(rest)};
}

std::string MessengerMailslotPath(std::string_view name) {
  const std::string host(name);
  std::vector<char> buffer(host.size() + 32);
  std::snprintf(buffer.data(), buffer.size(), "\\\\%s\\mailslot\\messngr", host.c_str());
  return buffer.data();
}

std::optional<uint32_t> ResolveHostIPv4(const std::string& host, std::string* error) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* found = nullptr;
  const int status = getaddrinfo(host.c_str(), nullptr, &hints, &found);
  if (status != 0 || found == nullptr) {
    if (error != nullptr) *error = gai_strerror(status);
    return std::nullopt;
  }
  sockaddr_in address{};
  std::memcpy(&address, found->ai_addr, sizeof address);
  freeaddrinfo(found);
  return address.sin_addr.s_addr;
}

std::optional<CMailslot> CMailslot::Open(std::string_view path, uint16_t port, std::string* error,
                                         const HostResolver& resolve) {
  auto fail = [error](std::string why) -> std::optional<CMailslot> {
    if (error != nullptr) {
      *error = std::move(why);
    }
    return std::nullopt;
  };

  const auto parsed = ParseMailslotPath(path);
  if (!parsed) {
    return fail("not a mailslot path: " + std::string(path));
  }

  std::string why;
  const auto address = resolve(parsed->host, &why);
  if (!address) {
    return fail("cannot resolve " + parsed->host + ": " + why);
  }
  sockaddr_in destination{};
  destination.sin_family = AF_INET;
  destination.sin_addr.s_addr = *address;
  destination.sin_port = htons(port);

  CMailslot mailslot;
  mailslot.m_socket.Reset(socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
  if (!mailslot.m_socket.IsValid()) {
    return fail(std::string("cannot create a UDP socket: ") + std::strerror(errno));
  }
  // Connecting picks the route, so the local address names the interface that
  // reaches the recipient; no port of ours is bound beyond the ephemeral one.
  if (connect(mailslot.m_socket.Get(), reinterpret_cast<const sockaddr*>(&destination),
              sizeof destination) != 0) {
    return fail("cannot reach " + parsed->host + ": " + std::strerror(errno));
  }
  sockaddr_in local{};
  socklen_t localSize = sizeof local;
  if (getsockname(mailslot.m_socket.Get(), reinterpret_cast<sockaddr*>(&local), &localSize) == 0) {
    mailslot.m_nSourceIp = ntohl(local.sin_addr.s_addr);
  }
  mailslot.m_strSourceName = LocalMachineName();
  mailslot.m_strDestinationName = parsed->host;
  mailslot.m_strMailslot = parsed->mailslot;
  return mailslot;
}

bool CMailslot::Write(std::span<const uint8_t> message) {
  if (!IsOpen()) {
    return false;
  }
  MailslotDatagram datagram;
  datagram.datagramId = g_nextDatagramId.fetch_add(1);
  datagram.sourceIp = m_nSourceIp;
  datagram.source = {m_strSourceName, kWorkstationSuffix};
  datagram.destination = {m_strDestinationName, kMessengerSuffix};
  datagram.mailslot = m_strMailslot;
  datagram.message.assign(message.begin(), message.end());
  const auto bytes = EncodeMailslotDatagram(datagram);
  if (!bytes) {
    return false;
  }
  const ssize_t sent = send(m_socket.Get(), bytes->data(), bytes->size(), MSG_NOSIGNAL);
  return sent >= 0 && static_cast<std::size_t>(sent) == bytes->size();
}

void CMailslot::Close() { m_socket.Reset(); }

bool WriteMailslotMessage(const std::string& path, const std::vector<uint8_t>& message,
                          uint16_t port, const HostResolver& resolve) {
  auto mailslot = CMailslot::Open(path, port, nullptr, resolve);
  if (!mailslot) {
    return false;
  }
  const bool written = mailslot->Write(message);
  mailslot->Close();
  return written;
}

std::optional<CMailslotListener> CMailslotListener::Bind(uint16_t port, uint32_t address,
                                                         int* error) {
  auto fail = [error]() -> std::optional<CMailslotListener> {
    if (error != nullptr) {
      *error = errno;
    }
    return std::nullopt;
  };
  CMailslotListener listener;
  listener.m_socket.Reset(socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
  if (!listener.m_socket.IsValid()) {
    return fail();
  }
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = htons(port);
  local.sin_addr.s_addr = htonl(address);
  if (bind(listener.m_socket.Get(), reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
    return fail();
  }
  socklen_t size = sizeof local;
  if (getsockname(listener.m_socket.Get(), reinterpret_cast<sockaddr*>(&local), &size) != 0) {
    return fail();
  }
  listener.m_nPort = ntohs(local.sin_port);
  return listener;
}

std::optional<std::vector<uint8_t>> CMailslotListener::Receive(int timeoutMs) {
  pollfd ready{m_socket.Get(), POLLIN, 0};
  const int events = poll(&ready, 1, timeoutMs);
  if (events <= 0) {
    if (events == 0) {
      errno = ETIMEDOUT;
    }
    return std::nullopt;
  }
  // Large enough for any UDP payload over IPv4.
  std::vector<uint8_t> buffer(65536);
  const ssize_t received = recv(m_socket.Get(), buffer.data(), buffer.size(), 0);
  if (received < 0) {
    return std::nullopt;
  }
  buffer.resize(static_cast<std::size_t>(received));
  return buffer;
}

}  // namespace kestrivane

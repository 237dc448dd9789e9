// kestrivane-messenger: receives network alarm messages in place of the
// messenger service of a colleague's machine, and sends one by hand.

#include <netinet/in.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "kestrivane/version.h"
#include "platform/mailslot.h"
#include "platform/messenger_message.h"
#include "platform/plain_text.h"
#include "platform/user_name.h"
#include "tools/messenger_display.h"
#include "tools/messenger_options.h"
#include "tools/notification_limiter.h"

extern char** environ;

namespace {

using namespace kestrivane;

constexpr const char* kUsage =
    "usage: kestrivane-messenger listen [--port N] [--name NAME] [--notify] [--once]\n"
    "       kestrivane-messenger send RECIPIENT TEXT [--from NAME] [--port N]\n"
    "       kestrivane-messenger --version\n"
    "\n"
    "listen  receives network alarm messages on UDP port N (default 138) and prints\n"
    "        each as: FROM <sender> TO <recipient>: <text>\n"
    "        --name   only messages for this recipient (any case)\n"
    "        --notify also show a desktop notification (needs notify-send), at most\n"
    "                 one a second: it counts the messages that came in between\n"
    "        --once   exit after the first message\n"
    "        --port 0 picks a free port and names it on standard error\n"
    "send    sends TEXT to the messenger mailslot of RECIPIENT, as an alarm does;\n"
    "        the sender is \"Kestrivane @ \" and your login name unless --from is given\n";

volatile std::sig_atomic_t g_bStop = 0;

void OnStopSignal(int) { g_bStop = 1; }

// Fire and forget: SIGCHLD is ignored while listening, so nothing waits and
// nothing is left as a zombie. No shell sees the text, and "--" keeps a text
// starting with a dash from being read as an option.
void PostNotification(const HeldNotification& notification) {
  const MessengerMessage& message = notification.message;
  std::string summary =
      "FROM " + EscapeForDisplay(message.sender) + " TO " + EscapeForDisplay(message.recipient);
  std::string body = NotificationBody(message.text, notification.more);
  std::string program = "notify-send";
  std::string appName = "--app-name=Kestrivane";
  std::string endOfOptions = "--";
  char* argv[] = {program.data(), appName.data(), endOfOptions.data(),
                  summary.data(), body.data(),    nullptr};
  pid_t pid = 0;
  posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ);
}

// Waking each second notices a stop signal that came between two waits;
// a held notification wakes it sooner.
int NextWaitMs(const NotificationLimiter& limiter) {
  constexpr std::chrono::milliseconds kStopCheck{1000};
  const auto due = limiter.UntilDue(std::chrono::steady_clock::now());
  return static_cast<int>(std::min(due.value_or(kStopCheck), kStopCheck).count());
}

int Listen(const MessengerOptions& options) {
  int error = 0;
  auto listener = CMailslotListener::Bind(options.port, INADDR_ANY, &error);
  if (!listener) {
    if (error == EACCES || error == EPERM) {
      std::cerr << "kestrivane-messenger: UDP port " << options.port
                << " needs root or CAP_NET_BIND_SERVICE; try --port with a port above 1023\n";
    } else {
      std::cerr << "kestrivane-messenger: cannot listen on UDP port " << options.port << ": "
                << std::strerror(error) << '\n';
    }
    return 1;
  }

  struct sigaction stop {};
  stop.sa_handler = OnStopSignal;
  sigemptyset(&stop.sa_mask);
  sigaction(SIGINT, &stop, nullptr);
  sigaction(SIGTERM, &stop, nullptr);
  if (options.notify) {
    std::signal(SIGCHLD, SIG_IGN);
  }
  std::cerr << "kestrivane-messenger: listening on UDP port " << listener->Port() << std::endl;

  unsigned long malformed = 0;
  int status = 0;
  NotificationLimiter limiter;
  const auto postDue = [&limiter] {
    if (const auto due = limiter.Take(std::chrono::steady_clock::now())) {
      PostNotification(*due);
    }
  };
  while (!g_bStop) {
    const auto bytes = listener->Receive(NextWaitMs(limiter));
    if (!bytes) {
      if (errno == ETIMEDOUT || errno == EINTR) {
        postDue();
        continue;
      }
      std::cerr << "kestrivane-messenger: receive failed: " << std::strerror(errno) << '\n';
      status = 1;
      break;
    }
    const ReceivedMessage received = ReadMessengerDatagram(*bytes, options.onlyFor);
    if (received.verdict == MessengerVerdict::kMalformed) {
      ++malformed;
      continue;
    }
    if (received.verdict == MessengerVerdict::kOtherRecipient) {
      continue;
    }
    std::cout << FormatMessageLine(received.message) << std::endl;
    if (options.notify) {
      limiter.Hold(received.message);
      postDue();
    }
    if (options.once) {
      break;
    }
  }
  std::cerr << "kestrivane-messenger: " << malformed << " malformed datagram"
            << (malformed == 1 ? "" : "s") << " dropped\n";
  return status;
}

int Send(const MessengerOptions& options) {
  MessengerMessage message;
  message.sender = options.from ? *options.from : AlarmSenderName(GetLoginName());
  message.recipient = options.recipient;
  message.text = options.text;
  const auto bytes = BuildMessengerMessage(message);
  if (!bytes) {
    std::cerr << "kestrivane-messenger: sender and recipient leave no room for any text in "
              << kMessengerMessageLimit << " bytes\n";
    return 1;
  }
  if (message.sender.size() + message.recipient.size() + message.text.size() + 3 > bytes->size()) {
    std::cerr << "kestrivane-messenger: note: the text was cut to fit " << kMessengerMessageLimit
              << " bytes\n";
  }
  std::string error;
  auto mailslot = CMailslot::Open(MessengerMailslotPath(options.recipient), options.port, &error);
  if (!mailslot) {
    std::cerr << "kestrivane-messenger: " << EscapeForDisplay(error) << '\n';
    return 1;
  }
  if (!mailslot->Write(*bytes)) {
    std::cerr << "kestrivane-messenger: sending to " << EscapeForDisplay(options.recipient)
              << " failed: " << std::strerror(errno) << '\n';
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const ParsedMessengerOptions parsed =
      ParseMessengerOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.ok()) {
    std::cerr << "kestrivane-messenger: " << parsed.error << '\n';
    return 2;
  }
  switch (parsed.options.command) {
    case MessengerCommand::kListen:
      return Listen(parsed.options);
    case MessengerCommand::kSend:
      return Send(parsed.options);
    case MessengerCommand::kVersion:
      std::cout << "kestrivane-messenger " << kVersionString << '\n';
      return 0;
    case MessengerCommand::kHelp:
      break;
  }
  std::cout << kUsage;
  return 0;
}

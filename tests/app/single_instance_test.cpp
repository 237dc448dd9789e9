// One copy per desktop session: the socket lives in the user's runtime
// folder under the session's and the display's name; a second start in the
// same session is answered, and the first hears of it from its event loop.

#include "platform/single_instance.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>
#include <thread>

#include "tests/app/qt_test_support.h"

namespace kestrivane {
namespace {

TEST(SingleInstanceTest, ASocketPerSessionInThePrivateFolder) {
  QTemporaryDir runtime;
  qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
  ::chmod(runtime.path().toUtf8().constData(), 0700);
  qputenv("XDG_SESSION_ID", "3");
  qunsetenv("WAYLAND_DISPLAY");
  qputenv("DISPLAY", ":1");  // one copy for each session and display
  const QString name = CSingleInstance::DefaultName();
  EXPECT_EQ(name, runtime.path() + "/kestrivane-3-_1");

  CSingleInstance first(name);
  ASSERT_TRUE(first.Claim());
  int requests = 0;
  QObject::connect(&first, &CSingleInstance::restoreRequested, [&] { ++requests; });
  CSingleInstance second(name);
  bool answered = false;
  std::thread asking([&] { answered = !second.Claim(); });
  // The first copy answers from its loop; the request reaches the window
  // after the socket's handler has returned.
  testing::ProcessEventsFor(3000, [&] { return requests > 0; });
  asking.join();
  EXPECT_TRUE(answered);
  EXPECT_EQ(requests, 1);

  // A socket left behind by a copy that died is taken over.
  const QString stale = runtime.path() + "/stale";
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strcpy(address.sun_path, stale.toUtf8().constData());
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
  CSingleInstance next(stale);
  EXPECT_TRUE(next.Claim());

  // Without a runtime folder of its own the user gets a private one.
  qunsetenv("XDG_RUNTIME_DIR");
  const QString fallback = QFileInfo(CSingleInstance::DefaultName()).absolutePath();
  struct stat info {};
  ASSERT_EQ(::stat(fallback.toUtf8().constData(), &info), 0);
  EXPECT_TRUE((info.st_mode & 0777) == 0700 && info.st_uid == ::getuid());
  qunsetenv("XDG_SESSION_ID");
  qunsetenv("DISPLAY");
}

}  // namespace
}  // namespace kestrivane

// kestrivane: the desktop prayer-time reminder.

#include "app/reminder_app.h"

int main(int argc, char** argv) {
  kestrivane::CReminderApp app;
  return app.InitInstance(argc, argv);
}

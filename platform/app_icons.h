#pragma once
// Icons 128 (program) and 142 (alarm) from the Qt resources
// ":/icons/ID-16.png" and ":/icons/ID-32.png"; a drawn stand-in when they are
// not linked in, so the program never shows an empty icon.

#include <QIcon>

namespace kestrivane {

QIcon LoadAppIcon(int id);

}  // namespace kestrivane

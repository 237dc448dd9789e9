#pragma once
// A gettext message catalogue (.mo file), read whole: each key, "context\x04id"
// for a message with a context, with its translation.

#include <QByteArray>
#include <QString>
#include <functional>

namespace kestrivane {

// Calls `each` for every key and its translation; false when the file is
// missing or not a catalogue (a damaged entry ends the reading there).
bool ReadMoCatalog(const QString& path,
                   const std::function<void(const QByteArray& key, const QString& text)>& each);

}  // namespace kestrivane

#include "platform/mo_catalog.h"

#include <QFile>
#include <QtEndian>

namespace kestrivane {

namespace {

constexpr quint32 kMagic = 0x950412de;

}  // namespace

bool ReadMoCatalog(const QString& path,
                   const std::function<void(const QByteArray& key, const QString& text)>& each) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray data = file.readAll();
  const auto size = static_cast<quint64>(data.size());
  if (size < 20) return false;
  // The writer's byte order: the magic number tells which.
  const bool little = qFromLittleEndian<quint32>(data.constData()) == kMagic;
  if (!little && qFromBigEndian<quint32>(data.constData()) != kMagic) return false;
  const auto word = [&](quint64 at) -> quint64 {
    if (at > size || size - at < 4) return ~quint64{0};
    return little ? qFromLittleEndian<quint32>(data.constData() + at)
                  : qFromBigEndian<quint32>(data.constData() + at);
  };
  // A string is (length, offset) at `entry`; false when it leaves the file.
  const auto string = [&](quint64 entry, QByteArray& out) {
    const quint64 length = word(entry), offset = word(entry + 4);
    if (length > size || offset > size - length) return false;
    out = QByteArray(data.constData() + offset, static_cast<qsizetype>(length));
    return true;
  };
  const quint64 count = word(8), keys = word(12), texts = word(16);
  QByteArray key, text;
  for (quint64 i = 0; i < count && i < size / 8; ++i) {
    if (!string(keys + 8 * i, key) || !string(texts + 8 * i, text)) break;
    if (!key.isEmpty()) each(key, QString::fromUtf8(text));
  }
  return true;
}

}  // namespace kestrivane

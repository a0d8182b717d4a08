// The pages count text in bytes of an 8-bit encoding (keys and SSIDs are byte strings), so the
// boundary to Qt's Unicode strings is Latin-1: one character per byte, every byte value kept.
#pragma once

#include <QString>
#include <string>

namespace netvane::qt {

inline std::string ToStd(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

inline QString ToQt(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace netvane::qt

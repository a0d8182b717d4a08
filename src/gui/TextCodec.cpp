#include "gui/TextCodec.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QUtf8StringView>

#include "platform/system/Wipe.h"
#include "text/SafeText.h"

namespace netvane::gui {

QString ToQt(std::string_view bytes) {
  const auto size = static_cast<qsizetype>(bytes.size());
  // Strict: overlong forms, surrogates and cut-off sequences count as not UTF-8.
  if (!QUtf8StringView(bytes.data(), size).isValidUtf8()) {
    return QString::fromLatin1(bytes.data(), size);
  }
  // A leading byte-order mark is part of the name, not a marker to drop.
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
  return utf8(QByteArrayView(bytes.data(), size));
}

QString ToQtLine(std::string_view bytes) {
  // Through ToQt first: a Latin-1 name keeps its letters, and its C1 bytes become characters
  // that the escaping then sees as controls.
  return ToQt(text::ShownLine(ToStd(ToQt(bytes))));
}

std::string ToStd(const QString& text) {
  QByteArray bytes = text.toUtf8();
  std::string out(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  // Key fields pass through here: the intermediate copy is not left behind in freed memory.
  system::SecureWipe(bytes.data(), static_cast<std::size_t>(bytes.size()));
  return out;
}

std::string EditedBytes(const QString& text, std::string_view shown) {
  if (text == ToQt(shown)) return std::string(shown);
  return ToStd(text);
}

}  // namespace netvane::gui

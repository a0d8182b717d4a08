// The escaping for each kind of reader, over the one table of hostile names.
#include "text/SafeText.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/HostileNames.h"

namespace netvane {
namespace {

using testing::HostileNames;
using testing::RawHazard;

TEST(SafeTextTest, ANameShowsEscapedAndNoTwoNamesLookAlike) {
  for (const auto& name : HostileNames()) {
    SCOPED_TRACE(name.what);
    const std::string shown = text::EscapedText(name.bytes);
    // Exact forms, all different: an escaped byte and the characters that spell it never meet.
    EXPECT_EQ(shown, name.shown);
    EXPECT_EQ(RawHazard(shown), "");
  }
}

TEST(SafeTextTest, AnEscapedLineShowsAsItIsAndAnOldOneCannotBreak) {
  for (const auto& name : HostileNames()) {
    SCOPED_TRACE(name.what);
    EXPECT_EQ(text::ShownLine(name.shown), name.shown) << "a line written escaped shows unchanged";
    // A file an older version wrote, or a hand edit: the raw name itself.
    EXPECT_EQ(RawHazard(text::ShownLine(name.bytes)), "");
  }
  EXPECT_EQ(text::ShownLine("a\\x1B\xe2\x80\xae"), "a\\x1B\\u202E");
}

TEST(SafeTextTest, JsonStaysValidMeansTheSameAndHidesNothingRaw) {
  using nlohmann::json;
  for (const auto& name : HostileNames()) {
    SCOPED_TRACE(name.what);
    // As the command line writes it: names that are not UTF-8 carry U+FFFD.
    const std::string dumped =
        json{{"ssid", name.bytes}}.dump(2, ' ', false, json::error_handler_t::replace);
    const std::string safe = text::JsonSafe(dumped);
    EXPECT_EQ(RawHazard(safe, "\n"), "") << safe;
    EXPECT_EQ(json::parse(safe), json::parse(dumped));
  }
  // Bytes that are not UTF-8 never make it invalid, whoever serialised it.
  EXPECT_EQ(json::parse(text::JsonSafe("[\"a\xff\"]"))[0], "a\xef\xbf\xbd");
}

}  // namespace
}  // namespace netvane

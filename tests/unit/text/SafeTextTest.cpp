// Lines shown again (the event history): an escaped line stays as written, a raw one cannot
// break. The escaped forms themselves and the JSON are proved through netvane-cli's output
// (tests/integration/CliIntegrationTest.cpp), over the same table of hostile names.
#include "text/SafeText.h"

#include <gtest/gtest.h>

#include "support/HostileNames.h"

namespace netvane {
namespace {

using testing::RawHazard;

TEST(SafeTextTest, AnEscapedLineShowsAsItIsAndAnOldOneCannotBreak) {
  for (const auto& name : testing::HostileNames()) {
    SCOPED_TRACE(name.what);
    EXPECT_EQ(text::ShownLine(name.shown), name.shown) << "a line written escaped shows unchanged";
    // A file an older version wrote, or a hand edit: the raw name itself.
    EXPECT_EQ(RawHazard(text::ShownLine(name.bytes)), "");
  }
  EXPECT_EQ(text::ShownLine("a\\x1B\xe2\x80\xae"), "a\\x1B\\u202E");
}

}  // namespace
}  // namespace netvane

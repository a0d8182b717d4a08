#include "text/Translate.h"

#include <gtest/gtest.h>

namespace netvane {
namespace {

std::string Marked(const char* context, const char* source) {
  return std::string(context) + ":" + source;
}

TEST(TranslateTest, ArgumentsAreSubstitutedOnceAndInTheirOwnOrder) {
  // A translation may reorder the markers; a network's name holding a marker stays as it is.
  EXPECT_EQ(text::Arg("%2 on %1", {"6", "%1Net"}), "%1Net on 6");
  EXPECT_EQ(text::Arg("100% of %1, %3", {"x"}), "100% of x, %3");
  EXPECT_EQ(text::Arg("ends with %", {"x"}), "ends with %");
}

TEST(TranslateTest, TheInstalledCatalogueAnswersAndRemovingItRestoresTheSource) {
  EXPECT_EQ(text::Tr("Page", "Connect"), "Connect");
  text::InstallCatalogue(&Marked);
  EXPECT_EQ(text::Tr("Page", "Connect"), "Page:Connect");
  text::InstallCatalogue(nullptr);
  EXPECT_EQ(text::Tr("Page", "Connect"), "Connect");
}

}  // namespace
}  // namespace netvane

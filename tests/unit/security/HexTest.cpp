#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "security/MathFunc.h"

namespace netvane {
namespace {

TEST(BtoHTest, DigitsAndNonDigits) {
  EXPECT_EQ(BtoH('0'), 0);
  EXPECT_EQ(BtoH('9'), 9);
  EXPECT_EQ(BtoH('A'), 10);
  EXPECT_EQ(BtoH('F'), 15);
  EXPECT_EQ(BtoH('a'), 10);
  EXPECT_EQ(BtoH('f'), 15);
  // The neighbours of each digit range, and a byte above 0x7F.
  for (char c : {'G', 'g', '/', ':', '@', '`', '\0', static_cast<char>(0xC1)}) {
    EXPECT_EQ(BtoH(c), 0xFF) << "character " << static_cast<int>(c);
  }
}

TEST(AtoHTest, PacksPairsHighNibbleFirst) {
  std::array<std::uint8_t, 2> out{};
  AtoH("0aFf", out.data(), 2);
  EXPECT_EQ(out, (std::array<std::uint8_t, 2>{0x0A, 0xFF}));
}

TEST(AtoHTest, InvalidDigitsWrapInsteadOfFailing) {
  std::uint8_t out = 0;
  AtoH("G0", &out, 1);
  EXPECT_EQ(out, 0xF0);
  AtoH("0G", &out, 1);
  EXPECT_EQ(out, 0xFF);
  AtoH("GG", &out, 1);
  EXPECT_EQ(out, 0xEF);
}

TEST(AtoHTest, ReadsExactlyTwiceDestlenCharactersWithoutTerminator) {
  // No terminator after the digits, and a zero byte inside is just an invalid digit; the
  // sanitizer build catches any read past the array.
  const std::array<char, 4> src{'\0', '5', '7', 'e'};
  std::array<std::uint8_t, 3> out{0x11, 0x22, 0x33};
  AtoH(src.data(), out.data(), 2);
  EXPECT_EQ(out, (std::array<std::uint8_t, 3>{0xF5, 0x7E, 0x33}));
}

TEST(AtoHTest, ZeroLengthTouchesNothing) {
  std::uint8_t out = 0x5A;
  AtoH(nullptr, &out, 0);
  EXPECT_EQ(out, 0x5A);
}

}  // namespace
}  // namespace netvane

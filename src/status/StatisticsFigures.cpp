#include "status/StatisticsFigures.h"

namespace netvane {
namespace {

// Wide enough for any difference of two 64-bit counters.
__extension__ typedef __int128 Int128;            // NOLINT(modernize-use-using) needs typedef
__extension__ typedef unsigned __int128 UInt128;  // NOLINT(modernize-use-using)

std::string Decimal(Int128 value) {
  const bool negative = value < 0;
  auto magnitude = static_cast<UInt128>(negative ? -value : value);
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
    magnitude /= 10;
  } while (magnitude != 0);
  return negative ? "-" + digits : digits;
}

std::string Counter(uint64_t value) {
  return Decimal(static_cast<Int128>(value));
}

}  // namespace

std::array<std::string, kStatisticsFields> StatisticsTexts(const NDIS_802_11_STATISTICS& s,
                                                           uint32_t receivedOk,
                                                           uint32_t receivedNoBuffer) {
  const uint64_t fragments = s.TransmittedFragmentCount;
  const uint64_t retries = s.RetryCount;
  return {Counter(fragments),
          Decimal(static_cast<Int128>(fragments) - static_cast<Int128>(retries)),
          Counter(retries),
          Counter(s.FailedCount),
          Counter(s.RTSSuccessCount),
          Counter(s.RTSFailureCount),
          std::to_string(receivedOk),
          Counter(s.FCSErrorCount),
          std::to_string(receivedNoBuffer),
          Counter(s.FrameDuplicateCount)};
}

}  // namespace netvane

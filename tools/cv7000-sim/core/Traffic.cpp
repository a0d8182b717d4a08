#include "core/Traffic.h"

namespace netvane::sim {
namespace {

// 1 with probability 1/(n+1), else 0.
uint32_t OneIn(Prng& prng, uint32_t n) {
  return prng.Between(0, n) == 0 ? 1U : 0U;
}

}  // namespace

Traffic::Traffic(uint64_t seed, const CounterSeeds& seeds)
    : prng_(seed),
      rcvOk_(seeds.receivedOk),
      rcvNoBuffer_(seeds.receivedNoBuffer),
      txBytes_(seeds.txBytes),
      rxBytes_(seeds.rxBytes) {
  const auto& c = seeds.statistics;
  stats_ = NDIS_802_11_STATISTICS{sizeof(NDIS_802_11_STATISTICS),
                                  c[0],
                                  c[1],
                                  c[2],
                                  c[3],
                                  c[4],
                                  c[5],
                                  c[6],
                                  c[7],
                                  c[8],
                                  c[9],
                                  c[10],
                                  c[11]};
}

void Traffic::Step(bool connected) {
  if (!connected) return;
  const uint32_t txFrames = prng_.Between(1, 40);
  const uint32_t rxFrames = prng_.Between(1, 60);
  const uint32_t retries = prng_.Between(0, txFrames / 4);
  stats_.TransmittedFragmentCount += txFrames;
  stats_.MulticastTransmittedFrameCount += prng_.Between(0, 2);
  stats_.FailedCount += OneIn(prng_, 8);
  stats_.RetryCount += retries;
  stats_.MultipleRetryCount += retries / 2;
  stats_.RTSSuccessCount += prng_.Between(0, 3);
  stats_.RTSFailureCount += OneIn(prng_, 16);
  stats_.ACKFailureCount += OneIn(prng_, 6);
  stats_.FrameDuplicateCount += OneIn(prng_, 10);
  stats_.ReceivedFragmentCount += rxFrames;
  stats_.MulticastReceivedFrameCount += prng_.Between(0, 4);
  stats_.FCSErrorCount += OneIn(prng_, 5);
  rcvOk_ += rxFrames;
  rcvNoBuffer_ += OneIn(prng_, 20);
  txBytes_ += txFrames * prng_.Between(60, 1500);
  rxBytes_ += rxFrames * prng_.Between(60, 1500);
  jitter_ = static_cast<int32_t>(prng_.Between(0, 6)) - 3;
}

void Traffic::ResetCounters() {
  stats_ =
      NDIS_802_11_STATISTICS{sizeof(NDIS_802_11_STATISTICS), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  rcvOk_ = 0;
  rcvNoBuffer_ = 0;
}

CV_802_11_LINK_STATUS LinkStatusFor(int32_t rssi, RateLimit limit, uint32_t txBytes,
                                    uint32_t rxBytes) {
  CV_802_11_LINK_STATUS s{};
  constexpr uint32_t kRate11M = 22;  // 500 kbit/s units
  constexpr uint32_t kRate6M = 12;   // the lowest OFDM rate: 802.11a has no CCK rates
  const bool bOnly = limit == RateLimit::k11bOnly;
  if (!bOnly && rssi >= -70) {
    s.CurrTxRate = 108;  // 54 Mbit/s
  } else if (!bOnly && rssi >= -80) {
    s.CurrTxRate = 72;  // 36 Mbit/s
  } else {
    s.CurrTxRate = limit == RateLimit::k11aOnly ? kRate6M : kRate11M;
  }
  const int32_t quality = 2 * (rssi + 100);
  s.ChannelQuality = static_cast<uint32_t>(quality < 0 ? 0 : (quality > 100 ? 100 : quality));
  s.TxByteCount = txBytes;
  s.RxByteCount = rxBytes;
  return s;
}

}  // namespace netvane::sim

namespace netvane::sim {

uint32_t ApplyDesiredRates(uint32_t signalRate, std::span<const uint8_t> desired) {
  constexpr uint8_t kRateMask = 0x7F;  // the top bit marks a basic rate
  uint32_t best = 0;
  uint32_t lowest = 0;
  for (const uint8_t slot : desired) {
    const uint32_t rate = slot & kRateMask;
    if (rate == 0) continue;
    if (rate <= signalRate && rate > best) best = rate;
    if (lowest == 0 || rate < lowest) lowest = rate;
  }
  if (lowest == 0) return signalRate;  // an empty set asks for nothing
  return best != 0 ? best : lowest;
}

}  // namespace netvane::sim

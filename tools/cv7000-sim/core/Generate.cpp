#include "core/Generate.h"

#include <array>
#include <cstdio>

#include "core/Prng.h"

namespace netvane::sim {

void AppendGeneratedNetworks(std::vector<Network>& networks, uint32_t count, uint64_t seed) {
  static constexpr std::array<uint32_t, 6> kChannels = {1, 6, 11, 3, 36, 149};
  Prng prng(seed);
  for (uint32_t i = 0; i < count; ++i) {
    Network n;
    // Long names make large entries, so a few hundred networks fill the whole list.
    char name[40];
    std::snprintf(name, sizeof name, "GeneratedNetwork-%05u-%08x", i,
                  static_cast<unsigned>(prng.Next() & 0xFFFFFFFFU));
    n.ssid = name;
    n.bssid = {0x02,
               0xA0,
               static_cast<uint8_t>(i >> 16U),
               static_cast<uint8_t>(i >> 8U),
               static_cast<uint8_t>(i),
               static_cast<uint8_t>(seed & 0xFFU)};
    n.channel = kChannels[prng.Between(0, static_cast<uint32_t>(kChannels.size() - 1))];
    n.rssi = -static_cast<int32_t>(prng.Between(40, 92));
    switch (prng.Between(0, 3)) {
      case 0:
        n.security = Security::kOpen;
        break;
      case 1:
        n.security = Security::kWep;
        n.wepKeys[0] = {0x01, 0x02, 0x03, 0x04, static_cast<uint8_t>(i)};
        break;
      case 2:
        n.security = Security::kWpaPsk;
        n.groupCipher = Cipher::kTkip;
        n.pairwise = {Cipher::kTkip, Cipher::kAes};
        n.passphrase = "generated-" + std::to_string(i);
        break;
      default:
        n.security = Security::kWpaPsk;
        n.groupCipher = Cipher::kAes;
        n.pairwise = {Cipher::kAes};
        n.passphrase = "generated-" + std::to_string(i);
        break;
    }
    networks.push_back(std::move(n));
  }
}

}  // namespace netvane::sim

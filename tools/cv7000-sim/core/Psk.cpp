#include "core/Psk.h"

#include <openssl/evp.h>

namespace netvane::sim {

Psk DerivePsk(const std::string& passphrase, const std::string& ssid) {
  constexpr int kIterations = 4096;
  Psk psk{};
  PKCS5_PBKDF2_HMAC_SHA1(passphrase.data(), static_cast<int>(passphrase.size()),
                         reinterpret_cast<const unsigned char*>(ssid.data()),
                         static_cast<int>(ssid.size()), kIterations, static_cast<int>(psk.size()),
                         psk.data());
  return psk;
}

}  // namespace netvane::sim

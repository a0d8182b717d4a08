// What Netvane says about a network it cannot join, in the window's alert and on the command
// line alike.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace netvane {

struct JoinRefusal {
  std::string message;  // "Netvane cannot join “name”"
  std::string reason;   // "it uses WPA3-SAE, which this adapter does not support."

  // The alert's informative text: the reason as a sentence of its own.
  std::string Informative() const;
  // One line: "Netvane cannot join “name”: it uses ..."
  std::string Line() const { return message + ": " + reason; }
};

// The refusal for a network of `wpaKind` (as IsItemWPA gives it), or nothing when Netvane can
// join it. `name` is the network's name as the reader should see it; empty for a hidden one.
std::optional<JoinRefusal> RefusalFor(int32_t wpaKind, std::string_view name);

}  // namespace netvane

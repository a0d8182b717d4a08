// A catalogue that marks every text with its context, "[Context] source", for as long as it
// lives: a text a page shows without going through the catalogue stays unmarked.
#pragma once

#include <string>

#include "text/Translate.h"

namespace netvane::testing {

class MarkingCatalogue {
 public:
  MarkingCatalogue() { text::InstallCatalogue(&Mark); }
  ~MarkingCatalogue() { text::InstallCatalogue(nullptr); }
  MarkingCatalogue(const MarkingCatalogue&) = delete;
  MarkingCatalogue& operator=(const MarkingCatalogue&) = delete;

 private:
  static std::string Mark(const char* context, const char* source) {
    return "[" + std::string(context) + "] " + source;
  }
};

}  // namespace netvane::testing

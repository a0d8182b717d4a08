// Every text a person reads goes through one catalogue, so the window can show it in the
// person's language while the pages below it stay free of any window toolkit. The window
// installs its catalogue at start; without one (the command line, unit tests) a text is its
// source text. Source texts are English and are the program's own words exactly.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace netvane::text {

// context and source are string literals: the extraction tool reads them from the code.
using Catalogue = std::string (*)(const char* context, const char* source);

// Installed once, before any page asks for a text; nullptr restores the source texts.
void InstallCatalogue(Catalogue catalogue);

// The text a person reads for `source`, said in `context` (a page or a dialog).
std::string Tr(const char* context, const char* source);

// `pattern` with %1 … %9 replaced by args in one pass, so an argument that itself holds "%2"
// (a network's name) is not replaced again. A marker with no argument stays as it is.
std::string Arg(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace netvane::text

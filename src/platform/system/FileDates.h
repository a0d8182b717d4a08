// Dates of files as the about page shows them, and the web browser.
#pragma once

#include <string>

namespace netvane::system {

// The modification date of `path` (links followed) as YYYY-MM-DD in local time; "" when the
// file cannot be read.
std::string FileDate(const std::string& path);

// The date of the running program's own file.
std::string ExecutableDate();

// Opens `url` in the user's browser (xdg-open, detached); nothing is reported.
void OpenUrl(const std::string& url);

}  // namespace netvane::system

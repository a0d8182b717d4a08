// Where a key typed for a command-line connect comes from: a file only its owner can read, or
// the terminal with echo off. Never the command line, where other users can see it.
#pragma once

#include <string>

namespace netvane::system {

struct SecretText {
  bool ok = false;
  std::string text;   // the key, without its line end; wiped when the value ends
  std::string error;  // one line naming the problem and what to do, when !ok

  SecretText() = default;
  SecretText(const SecretText&) = delete;
  SecretText& operator=(const SecretText&) = delete;
  SecretText(SecretText&& other) noexcept;
  SecretText& operator=(SecretText&&) = delete;
  ~SecretText();
};

// The first line of `path`. Refused: not a regular file, readable by group or others, or
// longer than a key can be.
SecretText ReadKeyFile(const std::string& path);

// One line typed on the controlling terminal after `prompt`, not echoed. The echo comes back
// however the prompt ends: SIGINT, SIGQUIT, SIGTERM and SIGHUP while it waits restore the
// terminal first and then end the program by that signal, as they would have.
SecretText ReadKeyFromTerminal(const std::string& prompt);

}  // namespace netvane::system

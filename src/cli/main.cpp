#include <iostream>

#include "cli/Cli.h"
#include "platform/system/Trace.h"

int main(int argc, char** argv) {
  // Standard error is for the one line an error gets; the window's session log is not wanted.
  netvane::platform::SetLogLines(false);
  netvane::cli::CliIo io{std::cout, std::cerr, netvane::platform::BlockingSleep,
                         netvane::platform::ReadKeyFile, netvane::platform::ReadKeyFromTerminal};
  return netvane::cli::Run(argc, argv, io);
}

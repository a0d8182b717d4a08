#include <iostream>

#include "cli/Cli.h"
#include "platform/system/Trace.h"

int main(int argc, char** argv) {
  // Standard error is for the one line an error gets; the window's session log is not wanted.
  netvane::system::SetLogLines(false);
  netvane::cli::CliIo io{std::cout, std::cerr, netvane::system::BlockingSleep,
                         netvane::system::ReadKeyFile, netvane::system::ReadKeyFromTerminal};
  return netvane::cli::Run(argc, argv, io);
}

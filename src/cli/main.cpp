#include <iostream>

#include "cli/Cli.h"

int main(int argc, char** argv) {
  netvane::cli::CliIo io{std::cout, std::cerr, netvane::platform::BlockingSleep,
                         netvane::platform::ReadKeyFile, netvane::platform::ReadKeyFromTerminal};
  return netvane::cli::Run(argc, argv, io);
}

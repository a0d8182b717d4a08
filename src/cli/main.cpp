#include <iostream>

#include "cli/Cli.h"

int main(int argc, char** argv) {
  netvane::cli::CliIo io{std::cout, std::cerr, netvane::system::BlockingSleep,
                         netvane::system::ReadKeyFile, netvane::system::ReadKeyFromTerminal};
  return netvane::cli::Run(argc, argv, io);
}

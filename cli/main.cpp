#include "cli/Commands.h"

#include <iostream>

int main(int argc, char** argv) {
    kelo::cli::CliContext context{std::cout, std::cerr};
    return kelo::cli::runKelo(argc, argv, context);
}

#include "cli/Commands.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(FamiliesCommand, ListsTheThreeFamilyKeys) {
    std::ostringstream out;
    std::ostringstream err;
    kelo::cli::CliContext context{out, err};
    const char* argv[] = {"kelo", "families"};
    EXPECT_EQ(kelo::cli::runKelo(2, argv, context), 0);
    EXPECT_EQ(out.str(), "tz48\ntz48p\namp\n");
}

TEST(FamiliesCommand, UnknownCommandFails) {
    std::ostringstream out;
    std::ostringstream err;
    kelo::cli::CliContext context{out, err};
    const char* argv[] = {"kelo", "nonsense"};
    EXPECT_NE(kelo::cli::runKelo(2, argv, context), 0);
}

} // namespace

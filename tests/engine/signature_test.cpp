#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "signature.h"

namespace corvane {
namespace {

// The README states the signature that engine_bench prints; the seeded games must still play to
// it, and a change in how the game plays must come with the README's new number.
TEST(Signature, TheSeededGamesPlayToTheSignatureTheReadmeStates) {
    std::ifstream readme(CORVANE_SOURCE_DIR "/README.md");
    ASSERT_TRUE(readme.is_open());
    std::stringstream text;
    text << readme.rdbuf();
    const std::string marker = "signature of the seeded games: ";
    const std::size_t at = text.str().find(marker);
    ASSERT_NE(at, std::string::npos) << "the README gives no signature";
    const std::string stated = text.str().substr(at + marker.size(), 20);
    EXPECT_EQ(std::to_string(PlaySignatureGames()),
              stated.substr(0, stated.find_first_not_of("0123456789")));
}

}  // namespace
}  // namespace corvane

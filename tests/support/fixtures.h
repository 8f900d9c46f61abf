#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace hexwarden {
class TVelMain;
}

namespace hexwarden::testing {

// The folder of real game-server reports: $HEXWARDEN_FIXTURES, or shared/fixtures beside the checkout.
// Nothing when neither exists.
std::optional<std::filesystem::path> FixturesDir();

// Game A's report of that turn (fixtures/reports/game-a/turn-NN.txt) imported into the database as
// a player imports it, unknown codes taken as items.
void ImportGameATurn(TVelMain& database, const std::filesystem::path& fixtures, int turn);
// fixtures/orders/game-a/orders-NN.txt, the orders the game ran on the report before.
std::filesystem::path GameAOrders(const std::filesystem::path& fixtures, int turn);
// fixtures/reports/game-a/turn-NN.txt.
std::filesystem::path GameAReport(const std::filesystem::path& fixtures, int turn);

// The bundled demo game.
std::filesystem::path DemoDir();

// The whole content of a file, as bytes.
std::string ReadFileBytes(const std::filesystem::path& path);

// A folder of its own for one test, removed when the object goes.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

}  // namespace hexwarden::testing

// Skips the current test with a clear message when the report fixtures are absent.
#define HEXWARDEN_REQUIRE_FIXTURES(dir_variable)                                                 \
    auto dir_variable##_optional = ::hexwarden::testing::FixturesDir();                         \
    if (!dir_variable##_optional) GTEST_SKIP() << "report fixtures not found: set HEXWARDEN_FIXTURES"; \
    const std::filesystem::path dir_variable = *dir_variable##_optional

#include "tests/support/fixtures.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "import/item_type_question.h"
#include "import/parse_status_log.h"
#include "import/turn_import.h"

namespace hexwarden::testing {

std::optional<std::filesystem::path> FixturesDir() {
    std::filesystem::path dir;
    if (const char* env = std::getenv("HEXWARDEN_FIXTURES"); env && *env) {
        dir = env;
    } else {
        dir = HEXWARDEN_DEFAULT_FIXTURES;
    }
    if (std::filesystem::is_directory(dir / "reports")) return dir;
    return std::nullopt;
}

namespace {

std::string TwoDigits(int turn) {
    return (turn < 10 ? "0" : "") + std::to_string(turn);
}

}  // namespace

void ImportGameATurn(TVelMain& database, const std::filesystem::path& fixtures, int turn) {
    TSilentStatusLog log;
    TFixedItemTypeAnswer items(ItemTypeAnswer::Item);
    ImportTurnReport(database, GameAReport(fixtures, turn), OrdersMode::Preserve, log, items);
}

std::filesystem::path GameAOrders(const std::filesystem::path& fixtures, int turn) {
    return fixtures / "orders" / "game-a" / ("orders-" + TwoDigits(turn) + ".txt");
}

std::filesystem::path GameAReport(const std::filesystem::path& fixtures, int turn) {
    return fixtures / "reports" / "game-a" / ("turn-" + TwoDigits(turn) + ".txt");
}

std::filesystem::path DemoDir() {
    return HEXWARDEN_DEMO_DIR;
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

ScratchDir::ScratchDir() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("hexwarden-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace hexwarden::testing

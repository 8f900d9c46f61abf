// Writes a synthetic turn report to a file, for timing hexwarden-cli as a whole process:
//   build/bench/write_synthetic_report 6.5 /tmp/report.txt
//   hyperfine -w 2 -p 'rm -f /tmp/game.hwd' 'build/cli/hexwarden-cli import --db /tmp/game.hwd /tmp/report.txt'
#include <cstdlib>
#include <iostream>
#include <string>

#include "bench/synthetic_report.h"
#include "platform/whole_file.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Usage: write_synthetic_report MEGABYTES FILE\n";
        return 2;
    }
    const double megabytes = std::atof(argv[1]);
    if (!(megabytes > 0 && megabytes <= 4096)) {
        std::cerr << "MEGABYTES must be above 0 and at most 4096\n";
        return 2;
    }
    const auto bytes = static_cast<std::size_t>(megabytes * 1024 * 1024);
    hexwarden::WriteWholeFile(argv[2], hexwarden::bench::MakeSyntheticReport(bytes));
    return 0;
}

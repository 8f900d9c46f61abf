// hexwarden: the desktop program.
#include <QApplication>
#include <QIcon>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/settings.h"
#include "platform/allocator_tuning.h"

namespace {

constexpr const char* kUsage =
    "Usage: hexwarden [--settings FILE] [DATAFILE]\n"
    "Starts Veldoria Hexwarden.\n"
    "  --settings FILE  read and write the settings in FILE instead of the user's Hexwarden.ini\n"
    "  DATAFILE         a data file to open once the settings are read\n";

struct Options {
    std::string settings;
    std::string data_file;
};

// Returns the exit code when the program is not to start. Before Qt has taken its own options
// (which have a single dash) out of the words, those are passed over.
int ParseOptions(const std::vector<std::string>& arguments, bool qt_options_remain, Options& options) {
    bool operands_only = false;
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (!operands_only && qt_options_remain && word.size() > 1 && word[0] == '-' && word[1] != '-') continue;
        if (!operands_only && (word == "--help" || word == "-h")) {
            std::cout << kUsage;
            return 0;
        }
        if (!operands_only && word == "--") {
            operands_only = true;
        } else if (!operands_only && word == "--settings") {
            if (++i == arguments.size()) {
                std::cerr << "hexwarden: --settings needs a file name\n" << kUsage;
                return 2;
            }
            options.settings = arguments[i];
        } else if (!operands_only && word.size() > 1 && word[0] == '-') {
            std::cerr << "hexwarden: unknown option " << word << "\n" << kUsage;
            return 2;
        } else if (options.data_file.empty()) {
            options.data_file = word;
        } else {
            std::cerr << "hexwarden: only one data file can be opened\n" << kUsage;
            return 2;
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    hexwarden::TuneAllocator();
    // Usage errors and --help need no display.
    Options options;
    if (const int exit_code = ParseOptions({argv, argv + argc}, true, options); exit_code >= 0) return exit_code;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hexwarden"));
    // The installed desktop entry and icon carry the same name.
    QGuiApplication::setDesktopFileName(QStringLiteral("hexwarden"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("hexwarden")));
    // Qt has taken its own options (-platform and the like) out of the arguments by now.
    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments()) arguments.push_back(argument.toLocal8Bit().toStdString());
    options = {};
    if (const int exit_code = ParseOptions(arguments, false, options); exit_code >= 0) return exit_code;

    hexwarden::TfrmMain main_window(options.settings.empty() ? hexwarden::DefaultSettingsFile()
                                                              : std::filesystem::path(options.settings));
    main_window.Start(options.data_file);
    return QApplication::exec();
}

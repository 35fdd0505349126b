// The command line answered before anything needs a display or a file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "TempDir.h"

namespace varnolt::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

TEST(CommandLine, HelpAndVersionNeedNoDisplayAndCreateNoFile) {
    TempDir home;
    TempDir out;
    const std::string folder = home.path().string();
    ScopedEnv homeFolder("HOME", folder);
    ScopedEnv config("XDG_CONFIG_HOME", folder + "/config");
    ScopedEnv cache("XDG_CACHE_HOME", folder + "/cache");
    ScopedEnv data("XDG_DATA_HOME", folder + "/data");
    ScopedEnv runtime("XDG_RUNTIME_DIR", folder + "/runtime");
    ScopedEnv platform("QT_QPA_PLATFORM", nullptr);
    ScopedEnv display("DISPLAY", nullptr);
    ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
    const struct {
        const char* argument;
        const char* language;
        const char* whole;  // stdout exactly; nullptr: it holds each of parts
        std::vector<std::string> parts;
    } cases[] = {
        {"--version", "en", "Varnolt " VARNOLT_VERSION "\n", {}},
        {"--help",
         "en",
         nullptr,
         {"Usage: " VARNOLT_PROGRAM, "--help", "--version", "--no-autoconnect"}},
        {"--help-all", "en", nullptr, {"--no-autoconnect"}},
        {"--help",
         "de",
         nullptr,
         {"Aufruf: " VARNOLT_PROGRAM, "Einwahlverbindungen", "--service <Name>"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.argument) + " " + c.language);
        const fs::path stdoutFile = out.path() / "stdout";
        ChildProcess program([&] {
            const int fd =
                ::open(stdoutFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
            if (fd < 0 || ::dup2(fd, STDOUT_FILENO) < 0 || ::chdir(folder.c_str()) != 0) {
                return 126;
            }
            ::setenv("LANGUAGE", c.language, 1);
            ::execl(VARNOLT_PROGRAM, VARNOLT_PROGRAM, c.argument, nullptr);
            return 127;
        });
        const std::optional<int> status = program.WaitAtMost(60s);
        ASSERT_TRUE(status) << "still running";
        EXPECT_EQ(ExitCode(*status), 0);
        std::ifstream in(stdoutFile);
        const std::string output{std::istreambuf_iterator<char>(in), {}};
        if (c.whole != nullptr) {
            EXPECT_EQ(output, c.whole);
        }
        for (const std::string& part : c.parts) {
            EXPECT_NE(output.find(part), std::string::npos) << part << " not in:\n" << output;
        }
        EXPECT_TRUE(fs::is_empty(home.path()));
    }
}

}  // namespace
}  // namespace varnolt::test

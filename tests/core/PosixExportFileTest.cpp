#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <ostream>

#include "ChildProcess.h"
#include "TempDir.h"
#include "posix/PosixExportFile.h"

namespace varnolt {
namespace {

namespace fs = std::filesystem;

// Everything in a folder: each name with its kind and permissions, a file's
// bytes, a link's target.
std::map<std::string, std::string> Contents(const fs::path& dir) {
    std::map<std::string, std::string> contents;
    for (const auto& item : fs::recursive_directory_iterator(dir)) {
        const fs::file_status status = item.symlink_status();
        std::string shown = std::to_string(static_cast<int>(status.type())) + " " +
                            std::to_string(static_cast<int>(status.permissions())) + " ";
        if (fs::is_regular_file(status)) {
            std::ifstream in(item.path(), std::ios::binary);
            shown += std::string(std::istreambuf_iterator<char>(in), {});
        } else if (fs::is_symlink(status)) {
            shown += fs::read_symlink(item.path()).string();
        }
        contents[item.path().lexically_relative(dir).string()] = shown;
    }
    return contents;
}

void Put(const fs::path& path, const std::string& bytes, int mode = 0644) {
    std::ofstream(path, std::ios::binary) << bytes;
    fs::permissions(path, fs::perms(mode));
}

struct Case {
    const char* what;
    std::function<void(const fs::path& dir)> prepare = [](const fs::path&) {};
    const char* folder = "";                // of the name, in the test's folder
    std::function<void()> inChild = [] {};  // before the export, in the child only
    std::size_t bytes = 100;
    ExportResult result = {};
    int mode = 0;  // written: the new file's permissions
};

// Exports `bytes` as "calls.LOG" in a child process (with umask 027) that
// must end within 20 s, and checks its result and what the folder holds then.
void ExportAndCheck(const Case& c) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    c.prepare(dir.path());
    const fs::path name = fs::path(c.folder) / "calls.LOG";
    std::map<std::string, std::string> expected = Contents(dir.path());
    const std::string bytes(c.bytes, 'x');
    int result[2];
    ASSERT_EQ(::pipe(result), 0);
    test::ChildProcess child([&] {
        ::umask(027);
        c.inChild();
        const ExportResult r =
            PosixExportFile().Write((dir.path() / name).string(), [&](std::ostream& out) {
                out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            });
        return ::write(result[1], &r, sizeof r) == sizeof r ? 0 : 1;
    });
    ::close(result[1]);
    ASSERT_TRUE(child.WaitAtMost(std::chrono::seconds(20))) << "the export hung";
    ExportResult got{ExportOutcome::Written, -1};
    EXPECT_EQ(::read(result[0], &got, sizeof got), static_cast<ssize_t>(sizeof got));
    ::close(result[0]);
    EXPECT_EQ(static_cast<int>(got.outcome), static_cast<int>(c.result.outcome));
    EXPECT_EQ(got.error, c.result.error);
    if (c.result.outcome == ExportOutcome::Written) {
        expected[name.string()] = std::to_string(static_cast<int>(fs::file_type::regular)) + " " +
                                  std::to_string(c.mode) + " " + bytes;
    }
    // Nothing else is left behind, and a refused or failed export changes nothing.
    EXPECT_EQ(Contents(dir.path()), expected);
}

TEST(PosixExportFile, ReplacesTheNameOrRefusesOrFailsLeavingNothingBehind) {
    const auto old = [](const fs::path& dir) { Put(dir / "calls.LOG", "old"); };
    // The file size limit stands in for a full disk: writes fail the same way.
    const auto limitFileSize = [] {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 4096;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    };
    const Case cases[] = {
        {.what = "a new name: 0666 less the umask", .mode = 0640},
        {.what = "the user's file keeps its permissions",
         .prepare = old,
         .bytes = 70'000,
         .mode = 0644},
        {.what = "a link: replaced, its target untouched",
         .prepare =
             [](const fs::path& dir) {
                 Put(dir / "target", "precious");
                 fs::create_symlink("target", dir / "calls.LOG");
             },
         .mode = 0640},
        {.what = "a named pipe: refused at once, never opened",
         .prepare = [](const fs::path& dir) { ::mkfifo((dir / "calls.LOG").c_str(), 0600); },
         .result = {ExportOutcome::IsPipe}},
        {.what = "a folder",
         .prepare = [](const fs::path& dir) { fs::create_directory(dir / "calls.LOG"); },
         .result = {ExportOutcome::IsFolder}},
        {.what = "a folder that does not exist",
         .folder = "missing",
         .result = {ExportOutcome::Failed, ENOENT}},
        {.what = "full while writing",
         .prepare = old,
         .inChild = limitFileSize,
         .bytes = 1'000'000,
         .result = {ExportOutcome::Failed, EFBIG}},
        {.what = "full only at the last flush",
         .prepare = old,
         .inChild = limitFileSize,
         .bytes = 10'000,
         .result = {ExportOutcome::Failed, EFBIG}},
    };
    for (const Case& c : cases) {
        ExportAndCheck(c);
    }
}

TEST(PosixExportFile, NeverWritesOrReplacesAnotherUsersFileOrLink) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a file to another user";
    }
    const Case cases[] = {
        {.what = "another user's file: refused",
         .prepare =
             [](const fs::path& dir) {
                 Put(dir / "calls.LOG", "theirs");
                 fs::path name = dir / "calls.LOG";
                 EXPECT_EQ(::chown(name.c_str(), 65534, 65534), 0);
             },
         .result = {ExportOutcome::OtherUsersFile}},
        // The system refuses the rename: in a sticky folder only the owner of
        // a name may replace it.
        {.what = "another user's link in a shared sticky folder",
         .prepare =
             [](const fs::path& dir) {
                 fs::permissions(dir, fs::perms(0755));
                 fs::create_directory(dir / "shared");
                 fs::permissions(dir / "shared", fs::perms(01777));
                 Put(dir / "target", "precious");
                 fs::create_symlink("../target", dir / "shared" / "calls.LOG");
             },
         .folder = "shared",
         .inChild =
             [] {
                 if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
                     ::_exit(99);
                 }
             },
         .result = {ExportOutcome::Failed, EPERM}},
    };
    for (const Case& c : cases) {
        ExportAndCheck(c);
    }
}

}  // namespace
}  // namespace varnolt

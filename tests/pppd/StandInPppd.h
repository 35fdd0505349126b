#pragma once

#include <sys/stat.h>

#include <QEventLoop>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "TempDir.h"

namespace varnolt::test {

inline bool WaitFor(const std::function<bool()>& done, int timeoutMs = 5000) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    poll.start(10);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!done()) {
        loop.exec();
    }
    return done();
}

inline void RunFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A peers folder and a stand-in for pppd, both in a temporary folder and
// named through VARNOLT_PPP_PEERS and VARNOLT_PPPD. The stand-in is a bash
// script whose body the test writes; $OUT is the folder it may write to.
class StandInPppd {
public:
    StandInPppd() {
        std::filesystem::create_directory(Peers());
        std::filesystem::create_directory(Out());
    }
    std::filesystem::path Peers() const { return m_dir.path() / "peers"; }
    std::filesystem::path Out() const { return m_dir.path() / "out"; }
    std::filesystem::path Program() const { return m_dir.path() / "pppd"; }

    void AddPeer(const std::string& name) {
        std::ofstream(Peers() / name) << "/dev/ttyS0\n115200\nconnect \"/usr/sbin/chat -v\"\n";
    }
    // The whole of the script's body, after the lines that name $OUT.
    void Script(const std::string& body) {
        const std::string tmp = Program().string() + ".new";
        std::ofstream(tmp) << "#!/bin/bash\nOUT='" << Out().string() << "'\n" << body << "\n";
        ::chmod(tmp.c_str(), 0755);
        std::filesystem::rename(tmp, Program());
    }
    // What pppd 2.4.9 prints on a call that connects, then (after
    // upSeconds) loses its modem's carrier.
    static std::string ConnectThenHangup(const std::string& upSeconds) {
        return "echo 'Serial connection established.'\n"
               "echo 'using channel 1'\n"
               "echo 'Using interface ppp0'\n"
               "echo 'Connect: ppp0 <--> /dev/ttyS0'\n"
               "echo 'CHAP authentication succeeded'\n"
               "echo 'local  IP address 10.0.0.2'\n"
               "echo 'remote IP address 10.0.0.1'\n"
               "sleep " +
               upSeconds +
               "\n"
               "echo 'Modem hangup' >&2\n"
               "echo 'Connection terminated.'\n"
               "exit 16\n";
    }

private:
    TempDir m_dir;
    ScopedEnv m_peers{"VARNOLT_PPP_PEERS", (m_dir.path() / "peers").string()};
    ScopedEnv m_program{"VARNOLT_PPPD", (m_dir.path() / "pppd").string()};
};

}  // namespace varnolt::test

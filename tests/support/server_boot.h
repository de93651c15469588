#pragma once
// Boots a real server in its check mode on a world folder. The server is
// built once per build tree by scripts/server-build.sh, under a lock, so
// tests that boot the same server side by side never race on one build.

#include <filesystem>
#include <string>

namespace tarnwick::testkit {

struct ServerBoot {
    int exit = -1, syserr = -1, rewrote = -1;  // -1: the summary line was missing
    std::string log;                           // everything the check printed
    bool summarised() const { return exit >= 0; }
};

// `name` is the server's build name: "circle30", "circle31" or "tbamud".
// `quiet` passes -q (the check prints only its summary and the SYSERRs).
ServerBoot boot_server(const std::filesystem::path& server_dir, const std::string& name,
                       const std::filesystem::path& world, bool quiet = false);

}  // namespace tarnwick::testkit

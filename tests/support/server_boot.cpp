#include "server_boot.h"

#include <array>
#include <cstdio>
#include <regex>

namespace tarnwick::testkit {

namespace {

// Each server's check script takes its program from its own variable.
std::string bin_variable(const std::string& name) {
    if (name == "tbamud") return "TBAMUD_BIN";
    if (name == "circle31") return "CIRCLE31_BIN";
    return "CIRCLE_BIN";
}

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

}  // namespace

ServerBoot boot_server(const std::filesystem::path& server_dir, const std::string& name,
                       const std::filesystem::path& world, bool quiet) {
    const std::string build = "bash " + quoted(TARNWICK_SOURCE_ROOT "/scripts/server-build.sh") + " " +
                              quoted(server_dir.string()) + " " + quoted(TARNWICK_BUILD_ROOT) + " " +
                              name;
    const std::string command = bin_variable(name) + "=$(" + build + ") && export " + bin_variable(name) +
                                " && bash " + quoted((server_dir / "check-world.sh").string()) +
                                (quiet ? " -q " : " ") + quoted(world.string());
    ServerBoot b;
    // The build's messages and the check's both go to the log.
    FILE* pipe = popen(("{ " + command + "; } 2>&1").c_str(), "r");
    if (!pipe) return b;
    std::array<char, 4096> buffer{};
    while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) b.log.append(buffer.data(), n);
    pclose(pipe);
    static const std::regex last(
        R"(server exit (\d+), SYSERR lines: (\d+)(, files the server rewrote: (\d+))?)");
    std::smatch m;
    if (std::regex_search(b.log, m, last)) {
        b.exit = std::stoi(m[1]);
        b.syserr = std::stoi(m[2]);
        b.rewrote = m[4].matched ? std::stoi(m[4]) : 0;
    }
    return b;
}

}  // namespace tarnwick::testkit

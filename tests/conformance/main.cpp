// tarnwick-conformance [CORPUS]: round-trips every world file of a corpus
// folder through the editor's readers and writers and prints every record
// field that did not survive. Exit 0 when all survive, 1 on any failure, 77
// (a skip for ctest) when there is no corpus.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "conformance.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    fs::path corpus;
    if (argc > 1)
        corpus = argv[1];
    else if (const char* env = std::getenv("TARNWICK_CORPUS"))
        corpus = env;
    else
        corpus = TARNWICK_CORPUS_DEFAULT;
    if (argc > 2 || (argc == 2 && std::string(argv[1]).rfind("-", 0) == 0)) {
        std::fprintf(stderr, "usage: tarnwick-conformance [CORPUS]\n");
        return 2;
    }
    std::error_code ec;
    if (!fs::is_directory(corpus, ec)) {
        std::printf("no corpus at %s: skipped\n", corpus.string().c_str());
        return 77;
    }
    const auto report = tarnwick::testkit::check_corpus(corpus);
    for (const auto& f : report.failures) std::printf("FAIL %s\n", f.c_str());
    std::printf("%d files, %d records, %d zones checked under %s: %zu failures\n", report.files,
                report.records, report.zones, corpus.string().c_str(), report.failures.size());
    if (report.files == 0) {
        std::printf("no world files found\n");
        return 1;
    }
    return report.ok() ? 0 : 1;
}

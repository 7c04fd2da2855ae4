// The translation file reader against the rules: at most 201 entries, line n is entry n, cut
// before its first "#", trimmed of characters up to code 32 at both ends.
#include <cstdint>
#include <string>

#include "Check.h"
#include "lang/Catalogue.h"

using namespace torvexa;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Catalogue catalogue;
    catalogue.load(bytes);
    FUZZ_CHECK(catalogue.count() <= 201, "at most 201 entries");

    // The rules, written again: lines end at LF or CR LF, a lone CR is dropped, a Ctrl-Z where
    // a line would begin ends the file.
    std::vector<std::string> expected;
    std::size_t pos = 0;
    while (pos < bytes.size() && bytes[pos] != 26 && expected.size() < 201) {
        std::string line;
        while (pos < bytes.size() && bytes[pos] != '\n') {
            if (bytes[pos] != '\r') line += bytes[pos];
            ++pos;
        }
        ++pos;
        line = line.substr(0, line.find('#'));
        const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
        while (!line.empty() && blank(line.back()))
            line.pop_back();
        std::size_t first = 0;
        while (first < line.size() && blank(line[first]))
            ++first;
        expected.push_back(line.substr(first));
    }
    FUZZ_CHECK(catalogue.count() == static_cast<int>(expected.size()), "one entry a line");
    for (int n = 0; n < catalogue.count(); ++n)
        FUZZ_CHECK(catalogue.entry(n) == expected[static_cast<std::size_t>(n)],
                   "entry n is line n");
    return 0;
}

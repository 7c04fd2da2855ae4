// The document: reading then writing gives the input back (line ends as CR LF, what follows an
// end mark kept); changing one value changes that line only; the lists keep one entry a line.
#include <cstdint>
#include <string>

#include "Check.h"
#include "Lines.h"
#include "config/ConfigDocument.h"

using namespace torvexa;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const fuzz::Lines lines = fuzz::splitLines(bytes);
    ConfigDocument document;
    document.load(bytes);
    FUZZ_CHECK(document.count() == static_cast<int>(lines.raw.size()), "one entry per line");
    FUZZ_CHECK(document.values().size() == lines.raw.size() &&
                   document.comments().size() == lines.raw.size() &&
                   document.lineNumbers().size() == lines.raw.size(),
               "the lists have equal length");
    const std::string unchanged = fuzz::written(lines);
    FUZZ_CHECK(document.serialize() == unchanged, "an unchanged document writes its input back");
    if (lines.raw.empty()) return 0;

    const int changed = static_cast<int>(size % lines.raw.size());
    document.putValue(changed, "7");
    const fuzz::Lines after = fuzz::splitLines(document.serialize());
    FUZZ_CHECK(after.raw.size() == lines.raw.size(), "a changed value adds or removes no line");
    FUZZ_CHECK(after.endMark == lines.endMark, "what follows the end mark stays");
    for (std::size_t i = 0; i < lines.raw.size(); ++i) {
        if (static_cast<int>(i) != changed)
            FUZZ_CHECK(after.raw[i] == lines.raw[i], "every other line stays as it was");
    }
    FUZZ_CHECK(document.value(changed) == "7", "the value reads back");
    return 0;
}

// The opening of a file by its path: any contents written to a regular file
// and opened read the same items, with the same errors, as the same bytes
// handed to the reader in memory. (A pipe, a device and a file larger than
// memory are refused by the unit tests; a fuzzer cannot make them.)
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"

namespace {

// The next item, or the run-time error that refused it.
std::optional<std::string> NextItem(model::ItemReader& reader, int& error) {
    try {
        return std::string(reader.Item());
    } catch (const values::RuntimeError& e) {
        error = e.number();
        return std::nullopt;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/quillory-fuzz-open-" + std::to_string(getpid()) + ".csv";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    model::ItemReader opened = [&] {
        try {
            return model::ItemReader::Open(path);
        } catch (...) {
            __builtin_trap();  // a regular file of a few KB always opens
        }
    }();
    model::ItemReader inMemory = fuzz::FileOf(data, size);
    fuzz::Require(opened.Size() == size && opened.Rest() == inMemory.Rest());
    for (;;) {
        const bool end = inMemory.AtEnd();
        fuzz::Require(opened.AtEnd() == end);
        if (end) return 0;
        int openedError = 0, inMemoryError = 0;
        const std::optional<std::string> item = NextItem(inMemory, inMemoryError);
        fuzz::Require(NextItem(opened, openedError) == item && openedError == inMemoryError);
        if (!item) return 0;
    }
}

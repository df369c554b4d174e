#pragma once
// How a whole-file conversion shares its work out to threads. The defaults
// serve the program; tests and the fuzz target make the parts small, so that
// short files are shared out too. Any choice gives the same tables and the
// same converted file.
#include <cstddef>

namespace model {

struct ConversionParts {
    int threads = 0;                     // 0: one per processor, at most 8
    size_t readBytes = size_t{1} << 20;  // the least bytes of the file a part of the reading is given
    long convertRows = 16384;            // the least rows a part of the positions' conversion is given
    long writeRows = 4096;               // rows whose records are written at once, by one writer
};

}  // namespace model

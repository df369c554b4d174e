#pragma once
// The generated benchmark inputs, written once per run into a fresh folder
// under the system's temporary folder and removed when the run ends.
#include <string>

namespace bench {

struct BenchFiles {
    std::string correlation;  // 5,000 tie rows, named with the version date
    std::string events;       // 2,000 event layers
    std::string ages;         // 200 age control points
    std::string varves;       // 1,000 varve counts
    std::string duoCorrelation;  // the Duo model: 5,000 tie rows tied to `correlation`
    std::string duoEvents;       // 2,000 event layers of the Duo model
};

const BenchFiles& Files();

// 1,000,000 samples by drilling position in the generated cores, about
// 30 MB: written on first use only.
const std::string& TrinitySamplesPath();
// The holy-trinity proxy file of 65,535 samples by 135 columns, about 60 MB,
// placed in the correlation model of Files(): written on first use only.
const std::string& ProxyPath();
// The same two files in the Duo model's bore holes E to H.
const std::string& DuoTrinitySamplesPath();
const std::string& DuoProxyPath();

// Lists of 1,000,000 event layers in the generated main cores and in the
// Duo cores E to H, about 30 MB each: written on first use only.
const std::string& LongEventListPath();
const std::string& DuoLongEventListPath();
// An event list of one line, the item "7," over and over to `bytes` bytes
// (no header, no line end): written on first use of each size only.
const std::string& OneLineEventListPath(long bytes);

// 400,000 records of 59 numbers, about 150 MB: written on first use only.
const std::string& NumericPath();

}  // namespace bench

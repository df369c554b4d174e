// quillory-generate DIR: writes the benchmark inputs into DIR.
#include <cstdio>
#include <fstream>
#include <string>

#include "bench/generate_inputs.h"

namespace {

bool Write(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) {
        std::fprintf(stderr, "quillory-generate: cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s (%zu bytes)\n", path.c_str(), text.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillory-generate DIR\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    const std::string date = bench::kVersionDigits;
    const bench::CoreLayout layout = bench::MakeLayout();
    bool ok = Write(dir + "correlation_5000_" + date + ".csv", bench::CorrelationModelFile(layout)) &&
              Write(dir + "event_layers_2000.csv", bench::EventListFile(layout)) &&
              Write(dir + "age_model_200.csv", bench::AgeModelFile(layout)) &&
              Write(dir + "varve_counts_1000.csv", bench::VarveCountsFile(layout)) &&
              Write(dir + "duo_correlation_5000_" + date + ".csv",
                    bench::DuoCorrelationModelFile(bench::DuoLayout(), layout)) &&
              Write(dir + "duo_event_layers_2000.csv", bench::EventListFile(bench::DuoLayout(), 2000, 8)) &&
              Write(dir + "samples_trinity_1000000.csv", bench::TrinitySamplesFile(layout)) &&
              Write(dir + "proxy_65535x135.csv", bench::ProxyTrinityFile(layout)) &&
              Write(dir + "numeric_400000x59.csv", bench::NumericFile());
    return ok ? 0 : 1;
}

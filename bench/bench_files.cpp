#include "bench/bench_files.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <unistd.h>

#include "bench/generate_inputs.h"

namespace bench {
namespace {

struct Folder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("quillory-bench-" + std::to_string(getpid()));
    Folder() { std::filesystem::create_directories(path); }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

std::string Write(const Folder& folder, const std::string& name, const std::string& text) {
    const std::string path = (folder.path / name).string();
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path);
    return path;
}

const Folder& TheFolder() {
    static const Folder folder;
    return folder;
}

BenchFiles Generate() {
    const Folder& folder = TheFolder();
    const CoreLayout layout = MakeLayout();
    BenchFiles files;
    files.correlation = Write(folder, std::string("correlation_5000_") + kVersionDigits + ".csv",
                              CorrelationModelFile(layout));
    files.events = Write(folder, "event_layers_2000.csv", EventListFile(layout));
    files.ages = Write(folder, "age_model_200.csv", AgeModelFile(layout));
    files.varves = Write(folder, "varve_counts_1000.csv", VarveCountsFile(layout));
    const CoreLayout duo = DuoLayout();
    files.duoCorrelation = Write(folder, std::string("duo_correlation_5000_") + kVersionDigits + ".csv",
                                 DuoCorrelationModelFile(duo, layout));
    files.duoEvents = Write(folder, "duo_event_layers_2000.csv", EventListFile(duo, 2000, 8));
    return files;
}

}  // namespace

const BenchFiles& Files() {
    static const BenchFiles files = Generate();
    return files;
}

const std::string& TrinitySamplesPath() {
    static const std::string path =
        Write(TheFolder(), "samples_trinity_1000000.csv", TrinitySamplesFile(MakeLayout()));
    return path;
}

const std::string& ProxyPath() {
    static const std::string path = Write(TheFolder(), "proxy_65535x135.csv", ProxyTrinityFile(MakeLayout()));
    return path;
}

const std::string& DuoTrinitySamplesPath() {
    static const std::string path =
        Write(TheFolder(), "duo_samples_trinity_1000000.csv", TrinitySamplesFile(DuoLayout()));
    return path;
}

const std::string& DuoProxyPath() {
    static const std::string path = Write(TheFolder(), "duo_proxy_65535x135.csv", ProxyTrinityFile(DuoLayout()));
    return path;
}

const std::string& LongEventListPath() {
    static const std::string path =
        Write(TheFolder(), "event_layers_1000000.csv", EventListFile(MakeLayout(), 1000000, 12));
    return path;
}

const std::string& DuoLongEventListPath() {
    static const std::string path =
        Write(TheFolder(), "duo_event_layers_1000000.csv", EventListFile(DuoLayout(), 1000000, 18));
    return path;
}

const std::string& OneLineEventListPath(long bytes) {
    static std::map<long, std::string> paths;
    std::string& path = paths[bytes];
    if (path.empty()) {
        std::string text(static_cast<size_t>(bytes), ',');
        for (size_t i = 0; i < text.size(); i += 2) text[i] = '7';
        path = Write(TheFolder(), "one_line_events_" + std::to_string(bytes) + ".csv", text);
    }
    return path;
}

const std::string& NumericPath() {
    static const std::string path = Write(TheFolder(), "numeric_400000x59.csv", NumericFile());
    return path;
}

}  // namespace bench

#include "scenario/scenario_folder.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace scenario {

namespace fs = std::filesystem;

ScenarioFolder::ScenarioFolder(const std::string& scriptPath) : folder_(fs::absolute(scriptPath).parent_path()) {}

ScenarioFolder::~ScenarioFolder() {
    if (scratch_.empty()) return;
    std::error_code ignored;
    // Files made read-only by the script are removed with their folder.
    for (const auto& entry : fs::recursive_directory_iterator(scratch_, ignored))
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    fs::remove_all(scratch_, ignored);
}

std::string ScenarioFolder::Resolve(const std::string& p) {
    static const std::string kScratch = "$SCRATCH/";
    if (p.compare(0, kScratch.size(), kScratch) == 0) return (Scratch() / p.substr(kScratch.size())).string();
    fs::path fp(p);
    return (fp.is_absolute() ? fp : folder_ / fp).lexically_normal().string();
}

const fs::path& ScenarioFolder::Scratch() {
    if (scratch_.empty()) {
        std::string pattern = (fs::temp_directory_path() / "quillory-scenario-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
        scratch_ = pattern;
    }
    return scratch_;
}

void ScenarioFolder::CopyFile(const std::string& to, const std::string& from) {
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
}

void ScenarioFolder::MakeReadOnly(const std::string& path) {
    const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(path, writable, fs::perm_options::remove);
}

bool ScenarioFolder::SameContents(const std::string& a, const std::string& b) {
    std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
    if (!fa.is_open() || !fb.is_open()) return false;
    std::string ca((std::istreambuf_iterator<char>(fa)), {}), cb((std::istreambuf_iterator<char>(fb)), {});
    return ca == cb;
}

}  // namespace scenario

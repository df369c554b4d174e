#pragma once
// Where a scenario's paths lead: relative to the script's folder, or, for
// paths beginning "$SCRATCH/", into a folder of the run's own, made on first
// use and removed at its end (files a script writes go there).
#include <filesystem>
#include <string>

namespace scenario {

class ScenarioFolder {
public:
    explicit ScenarioFolder(const std::string& scriptPath);
    ~ScenarioFolder();
    ScenarioFolder(const ScenarioFolder&) = delete;
    ScenarioFolder& operator=(const ScenarioFolder&) = delete;

    std::string Resolve(const std::string& path);

    // The file commands, on resolved paths.
    void CopyFile(const std::string& to, const std::string& from);
    void MakeReadOnly(const std::string& path);
    // Whether both files can be read and hold the same bytes.
    static bool SameContents(const std::string& a, const std::string& b);

private:
    const std::filesystem::path& Scratch();

    std::filesystem::path folder_, scratch_;
};

}  // namespace scenario

#pragma once

#include <filesystem>
#include <map>
#include <random>
#include <string>

namespace vatro::testing {

// What a teacher, a cleaning script or a full disk may do to the quiz folder while the class
// plays: files deleted, replaced by folders, cut short, made unreadable or saved anew in
// UTF-16, the folder itself removed and put back, or left without a name the game can find.
// Works on a copy of the quiz, in a folder of its own.
class FileFaults {
public:
    explicit FileFaults(const std::filesystem::path& quiz);
    ~FileFaults();
    FileFaults(const FileFaults&) = delete;
    FileFaults& operator=(const FileFaults&) = delete;

    const std::filesystem::path& folder() const { return m_folder; }
    // One fault or one repair, chosen at random; says which.
    std::string strike(std::mt19937_64& random);
    // Whether the game can no longer name the folder it was started in.
    bool nameless() const { return m_nameless; }
    // Whether a fault struck since the folder was last put back whole.
    bool broken() const { return m_broken; }
    std::uint64_t faults() const { return m_faults; }

private:
    void restore(const std::string& name);
    void restoreAll();

    std::filesystem::path m_folder;
    std::map<std::string, std::string> m_files; // the good bytes of each file
    bool m_nameless = false;
    bool m_broken = false;
    std::uint64_t m_faults = 0;
};

} // namespace vatro::testing

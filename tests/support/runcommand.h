#pragma once

#include <filesystem>
#include <string>

namespace vatro::testing {

// Runs a shell command; its exit status, and its output and errors together in output.
int runCommand(const std::string& command, std::string& output);

// The path in single quotes, for a shell command.
std::string quoted(const std::filesystem::path& path);

} // namespace vatro::testing

#include "fakehost.h"

#include <cmath>
#include <cstring>

namespace vatro::testing {

void FakeHost::randomize(double value) {
    seed = value;
    ++randomizeCalls;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    randomState = bits ^ 0x9E3779B97F4A7C15ULL;
}

double FakeHost::random() {
    // splitmix64: small, well mixed, and the same sequence for the same seed.
    std::uint64_t z = (randomState += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

std::u16string FakeHost::inputBox(const std::u16string& prompt) {
    prompts.push_back(prompt);
    if (whileNameBoxOpen)
        whileNameBoxOpen();
    if (names.empty())
        return {};
    std::u16string name = names.front();
    names.pop_front();
    return name;
}

LocalDateTime FakeHost::localDateTime() {
    const int second = timeOfDay();
    LocalDateTime now = date;
    now.hour = second / 3600;
    now.minute = second / 60 % 60;
    now.second = second % 60;
    return now;
}

void FakeHost::advance(double seconds) {
    clock = std::fmod(clock + seconds, 86400.0);
}

} // namespace vatro::testing

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vatro::fuzzing {

// One fuzz input: a byte that steers the scripted game, then the bytes of the three quiz
// files, vatro.txt, vatroo.txt and vatrov.txt, parted by a separator. A file the input
// has no part for is empty; one whose bit is set in the steering byte is not there at all.
struct QuizInput {
    // Two ASCII record separators: bytes no teacher's file holds.
    static constexpr std::string_view Separator = "\x1E\x1E";

    // The steering byte.
    static constexpr std::uint8_t LevelMask =
        0x03; // 0: none chosen, else "User1", "Мастер", "User2"
    static constexpr std::uint8_t SubmitByKey = 0x04; // Enter instead of a middle press
    static constexpr std::uint8_t PickWrong = 0x08;   // any word or letter, not the right one
    static constexpr std::uint8_t TimeOut = 0x10;     // the clock runs past the limit mid-game
    static constexpr int MissingShift = 5;            // bits 5..7: the file is not there

    std::uint8_t steering = 0;
    std::array<std::optional<std::string>, 3> files;

    static QuizInput parse(std::string_view data) {
        QuizInput input;
        if (data.empty())
            return input;
        input.steering = static_cast<std::uint8_t>(data[0]);
        std::string_view rest = data.substr(1);
        for (std::size_t n = 0; n < input.files.size(); ++n) {
            const std::size_t end =
                n + 1 < input.files.size() ? rest.find(Separator) : std::string_view::npos;
            const std::string_view part = rest.substr(0, end);
            rest = end == std::string_view::npos ? std::string_view()
                                                 : rest.substr(end + Separator.size());
            if ((input.steering >> (MissingShift + n) & 1) == 0)
                input.files[n] = std::string(part);
        }
        return input;
    }

    std::string serialize() const {
        std::uint8_t byte = steering & ((1 << MissingShift) - 1);
        std::string data(1, '\0');
        for (std::size_t n = 0; n < files.size(); ++n) {
            if (n > 0)
                data += Separator;
            if (files[n])
                data += *files[n];
            else
                byte = static_cast<std::uint8_t>(byte | 1 << (MissingShift + n));
        }
        data[0] = static_cast<char>(byte);
        return data;
    }
};

} // namespace vatro::fuzzing

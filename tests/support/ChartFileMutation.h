// A few random edits of a chart file's text, for the fuzz tests of the reader and of Open.
#pragma once

#include <random>
#include <string>

// Cuts a run, cuts the rest, replaces or inserts a character, one to four times.
inline std::string MutatedText(std::string text, std::mt19937& random) {
    const std::string alphabet = "0123456789,.-+E#\"\r\n TRUEFALS";
    for (int edits = 1 + random() % 4; edits > 0 && !text.empty(); --edits) {
        const std::size_t at = random() % text.size(), how = random() % 4;
        text.erase(at, how == 0 ? 1 + random() % 8 : how == 1 ? std::string::npos : how == 2 ? 1 : 0);
        if (how >= 2) text.insert(at, 1, alphabet[random() % alphabet.size()]);
    }
    return text;
}

#pragma once

// The words every text table held when they were checked against the screens, kept apart from the tables
// the dialogs read: tests/data/dialog_texts.txt, one line a text, `table lang=N key="text"` (the format
// tests/dump prints; table camera8620, camera8520, mms, smtp or main; N from 0 to 11, 0 and 11 English).

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace corvane::testing {

inline std::string ExpectedText(const std::string& table, int32_t language, const std::string& key) {
    static const std::map<std::string, std::string> texts = [] {
        std::map<std::string, std::string> loaded;
        std::ifstream file(std::string(CORVANE_TEST_DATA_DIR) + "/dialog_texts.txt");
        const std::regex line(R"re((\S+ lang=-?\d+ \S+)="(.*)")re");
        std::smatch match;
        for (std::string text; std::getline(file, text);) {
            if (std::regex_match(text, match, line)) {
                loaded[match[1]] = match[2];
            }
        }
        return loaded;
    }();
    const auto it = texts.find(table + " lang=" + std::to_string(language) + " " + key);
    if (it == texts.end()) {
        ADD_FAILURE() << "no expected text " << table << " " << language << " " << key;
        return {};
    }
    return it->second;
}

// The expected entries key[0] .. key[count - 1] of a list.
inline std::vector<std::string> ExpectedEntries(const std::string& table, int32_t language,
                                                const std::string& key, std::size_t count) {
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < count; ++i) {
        entries.push_back(ExpectedText(table, language, key + "[" + std::to_string(i) + "]"));
    }
    return entries;
}

}  // namespace corvane::testing

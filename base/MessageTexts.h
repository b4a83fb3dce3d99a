#pragma once
// The message texts of the language file, by number (100 to 110, 201 to 204).
// A number the language file did not give reads as the empty text.

#include <map>
#include <string>

namespace ombrix {

class MessageTexts {
public:
    const std::string& Get(int number) const {
        static const std::string empty;
        auto it = texts_.find(number);
        return it == texts_.end() ? empty : it->second;
    }
    void Set(int number, std::string text) { texts_[number] = std::move(text); }
    void Clear() { texts_.clear(); }

private:
    std::map<int, std::string> texts_;
};

} // namespace ombrix

#include "editor/rules/EditHistory.h"

#include <algorithm>
#include <utility>

namespace ombrix {

void EditHistory::Record(const std::string& snapshot) {
    Record(std::string(snapshot));
}

void EditHistory::Record(std::string&& snapshot) {
    IsDirty = 1;
    if (IsRestoring) {
        return;
    }
    ++pos_;
    if (pos_ > Slots - 1) {
        // The oldest copy drops out; rotating moves the strings, it copies no text.
        std::rotate(history_.begin(), history_.begin() + 1, history_.end());
        pos_ = Slots - 1;
    }
    history_[static_cast<std::size_t>(pos_)] = std::move(snapshot);
    // Snapshots above this one belong to a line of changes that was undone.
    for (int i = pos_ + 1; i <= newest_; ++i) {
        history_[static_cast<std::size_t>(i)].clear();
        history_[static_cast<std::size_t>(i)].shrink_to_fit();
    }
    newest_ = pos_;
    enabled_ = true;
}

std::optional<std::string> EditHistory::Undo() {
    if (pos_ == 0) {
        return std::nullopt;
    }
    --pos_;
    return history_[static_cast<std::size_t>(pos_)];
}

std::optional<std::string> EditHistory::Redo() {
    if (pos_ >= newest_) {
        return std::nullopt;
    }
    ++pos_;
    return history_[static_cast<std::size_t>(pos_)];
}

void EditHistory::ResetHistory() {
    for (auto& slot : history_) {
        slot.clear();
        slot.shrink_to_fit();
    }
    pos_ = 0;
    newest_ = 0;
    enabled_ = false;
}

} // namespace ombrix

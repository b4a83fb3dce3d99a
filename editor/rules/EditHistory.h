#pragma once
// The editor's undo and redo: up to 51 whole copies of the text, the slot
// the last change went to, and whether the text changed since it was last
// opened or saved. Snapshots are opaque bytes: the window decides their form.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace ombrix {

class EditHistory {
public:
    static constexpr int Slots = 51;

    // Every change of the text box, typed or made by a command. A change
    // made while restoring only marks the text dirty. A change made after
    // an Undo drops the snapshots above the one shown.
    void Record(const std::string& snapshot);
    void Record(std::string&& snapshot);
    // Marks the text changed without a snapshot (a change while restoring).
    void MarkDirty() { IsDirty = 1; }

    // The snapshot to show, or nullopt when there is none to step to. Redo
    // stops at the newest recorded snapshot.
    std::optional<std::string> Undo();
    std::optional<std::string> Redo();

    // Empties every slot, back to slot 0; Undo and Redo are disabled.
    void ResetHistory();
    // What a load put into the text box: slot 0, the position unchanged.
    void SetBase(std::string snapshot) { history_[0] = std::move(snapshot); }

    int HistoryPos() const { return pos_; }
    int NewestPos() const { return newest_; }
    // Enabled by the first recorded change after a reset, never disabled
    // again except by ResetHistory.
    bool UndoRedoEnabled() const { return enabled_; }
    const std::string& Slot(int i) const { return history_[static_cast<std::size_t>(i)]; }

    std::int16_t IsDirty = 0;
    bool IsRestoring = false;

private:
    std::array<std::string, Slots> history_{};
    int pos_ = 0;
    int newest_ = 0;
    bool enabled_ = false;
};

} // namespace ombrix

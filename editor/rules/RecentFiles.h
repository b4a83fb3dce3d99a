#pragma once
// The three files used last, shared by both programs through the settings
// store (usedlast1 the most recent), and how the File menu shows them.

#include "base/Registry.h"

#include <array>
#include <string>
#include <string_view>

namespace ombrix {

inline constexpr int RecentSlots = 3;

// The value name of slot `i` (1 to 3): "usedlast1" ...
std::string RecentValueName(int i);

// The display form of a path, trimming the caller's variable of blanks: a
// path of up to 20 characters as it stands, a longer one as its first three
// characters, "..." and the last 15 from their first separator ("\" or "/")
// on, or the whole last 15 when they hold no separator.
std::string visiblefile(std::string& path);

// The File menu's items for the list.
class RecentMenu {
public:
    virtual ~RecentMenu() = default;
    // Shows item `slot` (1 to 3) with `caption`, and the separator above the list.
    virtual void ShowRecent(int slot, const std::string& caption) = 0;
};

class RecentFiles {
public:
    RecentFiles(Registry& registry, RecentMenu& menu) : registry_(registry), menu_(menu) {}

    // Shows every stored path of more than two characters.
    void Fill();
    // Puts `currentFile` at the top: a file already first stays, the second
    // swaps with the first, any other goes first and the third drops out.
    void salastused(const std::string& currentFile);
    // Writes `currentFile` into slot 1.
    void addnr1(const std::string& currentFile);

    // The path stored for slot `i`.
    std::string Stored(int i) const;
    // The display part of slot `i`'s item; empty while it is hidden.
    const std::string& Shown(int i) const { return shown_[static_cast<std::size_t>(i - 1)]; }

private:
    void Show(int slot, std::string path);

    Registry& registry_;
    RecentMenu& menu_;
    std::array<std::string, RecentSlots> shown_{};
};

} // namespace ombrix

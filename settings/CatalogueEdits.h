#pragma once
// Rules every window that edits the catalogue shares: where the default
// mark goes when an entry is removed, and how a chosen definition file's
// path is stored.

#include <cstdint>
#include <string>

namespace ombrix {

// The default index once entry `removed` is gone: an earlier removal keeps
// the mark on its conversion; removing the default itself moves the mark to
// the entry before it, or keeps it on entry 0.
std::int16_t DefaultAfterRemoval(std::int16_t removed, std::int16_t defaultIndex);

// A path inside the data folder is stored relative to it (it resolves there
// when the program folder has no such file), and without its ".nod".
std::string StoredConversionPath(std::string path, const std::string& dataFolder);

} // namespace ombrix

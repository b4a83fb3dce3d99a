#pragma once
// Replaces a file a user edits, safe against a crash at any moment: the new
// contents go to a fresh temporary file in the same folder, are flushed to
// disk and renamed over the old file, which keeps its permissions. Several
// writers may run at once, since each takes its own temporary name.

#include <string>
#include <string_view>

namespace ombrix {

// False, with the old file untouched and no temporary file left, when any
// step fails. A new file gets the permissions the user's umask allows.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace ombrix

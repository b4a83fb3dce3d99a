#pragma once
// The settings store on disk: one file per hive, in a folder of the program's
// own below the per-user or the machine-wide configuration folder. The Run
// key's start-at-login value of the per-user hive is the desktop autostart entry.
//
// Every write locks the hive's file, reads it afresh, changes one value and
// renames a complete new file into place, so two programs writing at once
// never lose each other's values and a reader never sees half a file.
// Reads give the empty text on failure; writes give false, and once per
// file and run the reason is shown when a sink was given.

#include "base/MessageSink.h"
#include "base/Registry.h"
#include "settings/SettingNames.h"
#include "settings/SettingsEnvironment.h"

#include <set>
#include <string>
#include <string_view>

namespace ombrix {

// The program's own folder below a configuration folder.
inline constexpr std::string_view SettingsFolderName = "Quillfen/Quavomat";
inline constexpr std::string_view StoreFileName = "settings.store";

class FileRegistry final : public Registry {
public:
    explicit FileRegistry(const SettingsEnvironment& env, MessageSink* sink = nullptr);

    std::string RegRead(Hive hive, std::string_view keyPath,
                        std::string_view valueName) const override;
    bool RegWrite(Hive hive, std::string_view keyPath, std::string_view valueName,
                  std::string_view text) override;
    bool RegDelete(Hive hive, std::string_view keyPath, std::string_view valueName) override;

    // Where the hive lives; empty when the environment gives no folder for it.
    const std::string& StoreFile(Hive hive) const;
    // The autostart entry's path; empty when there is no per-user folder.
    const std::string& AutostartFile() const { return autostartFile_; }

private:
    bool IsAutostartValue(Hive hive, std::string_view keyPath, std::string_view valueName) const;
    bool WriteAutostart(std::string_view text);
    bool DeleteAutostart();
    template <typename Change> bool UpdateStore(const std::string& store, Change change);
    // Says once per file and run why a write was refused; false for the caller.
    bool Refused(const std::string& file, const std::string& why);

    MessageSink* sink_;
    std::set<std::string> reported_;

    std::string userStore_;
    std::string machineStore_;
    std::string autostartFile_;
};

} // namespace ombrix

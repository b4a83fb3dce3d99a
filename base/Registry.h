#pragma once
// Named text values per key path, in a per-user and a machine-wide part.
// Every text is Windows-1252; a missing value reads as the empty text.

#include <string>
#include <string_view>

namespace ombrix {

enum class Hive { CurrentUser, LocalMachine };

// The program's settings key; with or without the trailing backslash it names the same key.
inline constexpr std::string_view SettingsKey = "SOFTWARE\\Quillfen\\Quavomat Euro Edition\\";
inline constexpr std::string_view RunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
// The loaded conversion's name under SettingsKey. The other setting names are
// in settings/SettingNames.h; this one is here because the engine writes it.
inline constexpr std::string_view ConversionNameSetting = "Name";

class Registry {
public:
    virtual ~Registry() = default;
    virtual std::string RegRead(Hive hive, std::string_view keyPath,
                                std::string_view valueName) const = 0;
    virtual bool RegWrite(Hive hive, std::string_view keyPath, std::string_view valueName,
                          std::string_view text) = 0;
    virtual bool RegDelete(Hive hive, std::string_view keyPath, std::string_view valueName) = 0;
};

} // namespace ombrix

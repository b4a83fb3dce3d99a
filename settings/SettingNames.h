#pragma once
// The names of the stored settings and how an on/off setting is written and
// read. Every reader and writer takes the names from here, so that a stored
// name is spelt once and a renamed one cannot leave a reader behind.
//
// The keys, and the name of the loaded conversion, stay in base/Registry.h:
// the engine writes that one value and sits below this layer.

#include "base/Registry.h"

#include <string>
#include <string_view>

namespace ombrix {

// Values under SettingsKey.
inline constexpr std::string_view SwitchSetting = "Switch";       // the fields' sides switched
inline constexpr std::string_view OnTopSetting = "Ontop";         // always on top
inline constexpr std::string_view IntroSetting = "Intro";         // show a conversion's intro
inline constexpr std::string_view DigitSetting = "Digit";         // digit grouping
inline constexpr std::string_view PrecisionSetting = "precision"; // fixed decimals
inline constexpr std::string_view DecimalsSetting = "decnum";     // the decimals list's index
inline constexpr std::string_view TraySetting = "Tray";           // the notification-area icon
inline constexpr std::string_view SymbolSetting = "symbool";      // the wizard's symbool option
inline constexpr std::string_view FirstStartSetting = "first";    // "0" once a start has run
inline constexpr std::string_view MigrationSetting = "Migration"; // "0" once that start is done
// ConversionNameSetting ("Name") is declared in base/Registry.h.

// The value under RunKey that starts the program at login.
inline constexpr std::string_view StartAtLoginValue = "Ombrix";

// An on/off setting is stored as "1" or "0".
constexpr std::string_view OnOff(bool on) {
    return on ? "1" : "0";
}

// Reads what OnOff wrote. Any other text, an absent value included, gives
// `otherwise`: each setting keeps its own answer for a text it does not know.
constexpr bool ReadOnOff(std::string_view text, bool otherwise) {
    if (text == OnOff(true))
        return true;
    if (text == OnOff(false))
        return false;
    return otherwise;
}

// The per-user value `name` under SettingsKey; empty when absent.
inline std::string ReadSetting(const Registry& registry, std::string_view name) {
    return registry.RegRead(Hive::CurrentUser, SettingsKey, name);
}

inline bool WriteSetting(Registry& registry, std::string_view name, std::string_view text) {
    return registry.RegWrite(Hive::CurrentUser, SettingsKey, name, text);
}

} // namespace ombrix

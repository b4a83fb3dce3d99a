#pragma once
// Reads a conversion definition file into a ConversionDefinition (load) or
// checks that it would load and that every line of it is recognised
// (validate).

#include "base/MessageSink.h"
#include "base/MessageTexts.h"
#include "engine/ConversionDefinition.h"
#include "platform/posix/Paths.h"

#include <cstdint>
#include <string>

namespace ombrix {

class Registry;

inline constexpr std::int16_t LoadMode = 1;
inline constexpr std::int16_t ValidateMode = 3;

struct LoaderContext {
    MessageSink& sink;            // the failure message boxes
    const MessageTexts& texts;    // 100 title, 101 load failure, 107 unrecognised line
    Registry* registry = nullptr; // receives each NAME value as "Name"; may be null
    platform::ProgramFolders folders;
};

// Mode ValidateMode (3) validates, any other mode loads. Both first clear
// the intro text and the four symbols; a load clears everything else too and
// then fills the definition in file order. `path` is resolved with
// ResolveConversionPath, which may append ".nod" to it. False, after one
// critical message box, when the file cannot be read, a line's value is
// malformed or a list overflows (load and validate) or a line is not
// recognised (validate); what was loaded before the failing line stays
// loaded. A validation stores nothing.
bool LoadConversion(ConversionDefinition& def, std::string& path, std::int16_t mode,
                    const LoaderContext& ctx);

} // namespace ombrix

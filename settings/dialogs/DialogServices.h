#pragma once
// What the options, properties and intro dialogs are given by the program.

#include "base/MessageSink.h"
#include "base/MessageTexts.h"
#include "editor/rules/EditorHost.h"
#include "guikit/rules/WindowLanguage.h"
#include "platform/posix/Paths.h"
#include "services/Beeper.h"
#include "services/FileDialogs.h"
#include "settings/Catalogue.h"
#include "settings/dialogs/rules/DialogHosts.h"

#include <functional>

namespace ombrix {

struct DialogServices {
    Catalogue& catalogue;
    OptionsHost& optionsHost;
    IntroHost& introHost;
    WindowLanguage& language;
    MessageSink& sink;
    const MessageTexts& texts;
    FileDialogs& fileDialogs;
    Beeper& beeper;
    platform::ProgramFolders folders;
    // Opens the editor window in hosted mode on the properties dialog's file.
    std::function<void(EditorHost&)> openEditor;
};

} // namespace ombrix

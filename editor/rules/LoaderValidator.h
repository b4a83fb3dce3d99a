#pragma once
// The check before the editor closes: the conversion loader in validation
// mode, on a definition of the editor's own, so that a check never touches
// the conversion the main window shows.

#include "editor/rules/EditorSession.h"
#include "engine/ConversionLoader.h"

namespace ombrix {

class LoaderValidator : public FileValidator {
public:
    LoaderValidator(MessageSink& sink, const MessageTexts& texts, platform::ProgramFolders folders)
        : sink_(sink), texts_(texts), folders_(std::move(folders)) {}

    bool Validate(std::string& path) override;
    std::string Title(std::string& path) override;

private:
    MessageSink& sink_;
    const MessageTexts& texts_;
    platform::ProgramFolders folders_;
};

} // namespace ombrix

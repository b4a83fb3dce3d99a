#pragma once
// The conversion properties dialog without the window: one entry of the
// options dialog's list, or a new one, with its name, its definition file
// and the default mark. It changes only the catalogue in memory and the
// options dialog's list; the options dialog writes the file.

#include "base/MessageSink.h"
#include "base/MessageTexts.h"
#include "platform/posix/Paths.h"
#include "services/FileDialogs.h"
#include "settings/dialogs/rules/OptionsRules.h"

#include <cstdint>
#include <string>

namespace ombrix {

// The properties dialog's controls as the rules see them. Setting a control
// here never runs its handler.
class PropertiesView {
public:
    virtual ~PropertiesView() = default;
    virtual std::string FileText() const = 0; // Text1
    virtual void SetFileText(const std::string& text) = 0;
    virtual std::string NameText() const = 0; // Text2
    virtual void SetNameText(const std::string& text) = 0;
    // Check1, the default mark.
    virtual void SetDefaultBox(bool checked, bool enabled) = 0;
    virtual void SetDeleteEnabled(bool enabled) = 0; // Command4
    virtual void SetEditEnabled(bool enabled) = 0;   // Command5
    // A one-line message that does not wait for an answer.
    virtual void Notice(const std::string& text) = 0;
    // Closes the window without the Cancel steps.
    virtual void CloseWindow() = 0;
};

struct PropertiesServices {
    OptionsRules& options;
    MessageSink& sink;
    const MessageTexts& texts;
    FileDialogs& dialogs;
    platform::ProgramFolders folders;
};

class PropertiesRules {
public:
    PropertiesRules(PropertiesServices services, PropertiesView& view);

    void Load();
    void Check1_Click(bool checked);
    void Command1_Click(); // browse
    void Command2_Click(); // accept
    void Command3_Click(); // cancel
    void Command4_Click(); // delete

private:
    bool NameTaken(const std::string& name, int except) const;

    PropertiesServices s_;
    PropertiesView& view_;
    Catalogue& c_;
    std::int16_t savedDefaultIndex_ = 0;
};

} // namespace ombrix

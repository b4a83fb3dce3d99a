#pragma once
// What the editor needs of the window that opens it in the main program, the
// conversion properties dialog: its file field, its name field, its edit
// button, and its being disabled while the editor is open.

#include <string>

namespace ombrix {

class EditorHost {
public:
    virtual ~EditorHost() = default;
    virtual std::string FileField() const = 0;               // the dialog's Text1
    virtual void SetFileField(const std::string& path) = 0;  // a newly chosen file
    virtual void SetNameField(const std::string& title) = 0; // Text2, after a good check
    virtual void DisableEditButton() = 0;                    // Command5
    virtual void SetHostEnabled(bool enabled) = 0;
};

} // namespace ombrix

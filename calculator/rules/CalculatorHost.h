#pragma once
// What the calculator needs of the main window that opens it: the two value
// fields it has no display of its own for, which field is selected, the
// conversion the main window's Enter runs, and the flags the two share.

#include <string>

namespace ombrix {

class CalculatorHost {
public:
    virtual ~CalculatorHost() = default;

    // Value fields: 1 is the first, 2 the second.
    virtual std::string FieldText(int field) const = 0;
    virtual void SetFieldText(int field, const std::string& text) = 0;
    // 2 when the second field's option button is selected, else 1.
    virtual int SelectedField() const = 0;

    // Converts the field's text into the other field as Enter in that field
    // does. False when nothing was converted; both fields are then unchanged.
    virtual bool ConvertField(int field) = 0;

    // A value field was typed in since the calculator last looked.
    virtual bool MainWindowEdited() const = 0;
    virtual void ClearMainWindowEdited() = 0;
    virtual void SetCalculatorOpen(bool open) = 0;
    virtual bool AlwaysOnTop() const = 0;
};

} // namespace ombrix

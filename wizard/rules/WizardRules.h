#pragma once
// The wizard's decisions: the unit captions of its option buttons, the
// "symbool" setting, the status that follows the clipboard, the direction and
// the conversion, and what one press of OK converts.

#include "base/Registry.h"
#include "engine/Engine.h"
#include "services/Clipboard.h"
#include "wizard/rules/ClipboardTable.h"
#include "wizard/rules/MessageGate.h"
#include "wizard/rules/WizardHost.h"

#include <memory>
#include <string>

namespace ombrix {

enum class WizardStatus { Start, NotConverted, Converted };
// The status label's backgrounds as colour values (0x00BBGGRR).
inline constexpr int NotConvertedColour = 255;
inline constexpr int ConvertedColour = 65280;

struct UnitCaptions {
    std::string option1;
    std::string option2;
    bool symbolsEnabled = false; // the symbool item may be used
};

// The captions of the direction buttons: the unit symbols, the written-after
// one first, else the field captions.
UnitCaptions CaptionsFor(const ConversionDefinition& definition);
// What tells one conversion from another for the status: Symbol3, else
// Symbol1, else Input1.
std::string IdentifyingText(const ConversionDefinition& definition);
// Whether the current conversion converts anything at all (a file that
// failed to load leaves one that does not).
bool CanConvert(const ConversionDefinition& definition);

class WizardView {
public:
    virtual ~WizardView() = default;
    virtual void ShowStatus(WizardStatus status) = 0;
    virtual void ShowUnits(const UnitCaptions& captions) = 0;
    virtual void CheckSymbolItem(bool checked) = 0;
    // Only a change: making a window topmost activates it again.
    virtual void ApplyTopmostRule(bool on) = 0;
};

struct WizardServices {
    WizardHost& host;
    Engine& engine;
    Registry& registry;
    Clipboard& clipboard;
    MessageGate& errorBoxes; // the gate the engine's messages pass
};

class WizardRules {
public:
    WizardRules(WizardServices services, WizardView& view);

    // The window's load: the symbool setting, the open flag, the units.
    void Load();
    // The window's close: the open flag cleared.
    void Unload();

    void Option1_Click() { optionAlg_ = true; }
    void Option2_Click() { optionAlg_ = false; }
    bool OptionAlg() const { return optionAlg_; }
    void symbool_Click();

    // The clipboard's table ready to convert, or nothing when there is no
    // text or no conversion to convert it with. Only the first failing
    // cell's error box is shown while the table lives.
    std::unique_ptr<ClipboardTable> OK_Click();
    // Puts a finished table on the clipboard: the status turns green.
    void Converted(const ClipboardTable& table);

    // Notices a changed clipboard, direction or conversion.
    void Timer1_Timer();

    WizardStatus Status() const { return status_; }

private:
    void SetUpUnits();
    void SetStatus(WizardStatus status);

    WizardServices s_;
    WizardView& view_;
    bool optionAlg_ = true;
    bool optalg_ = true;
    bool symbolChecked_ = false;
    bool symbolsEnabled_ = false;
    std::string ready_;
    std::string curc_;
    std::string curName_;
    WizardStatus status_ = WizardStatus::Start;
};

} // namespace ombrix

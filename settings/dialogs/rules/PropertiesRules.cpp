#include "settings/dialogs/rules/PropertiesRules.h"

#include "base/TextCase.h"
#include "engine/ConversionPath.h"
#include "platform/posix/FileIo.h"
#include "settings/CatalogueEdits.h"
#include "settings/CatalogueFile.h"

namespace ombrix {

PropertiesRules::PropertiesRules(PropertiesServices services, PropertiesView& view)
    : s_(services), view_(view), c_(services.options.Shared()) {}

void PropertiesRules::Load() {
    OptionsRules& o = s_.options;
    savedDefaultIndex_ = c_.DefaultIndex;
    bool checked = false;
    bool locked = false;
    if (c_.LastIndex == -1) {
        // The entry being added will be the first, and so the default.
        c_.DefaultIndex = 0;
        checked = locked = true;
    }
    const bool known = o.SelectedEntry >= 0 && o.SelectedEntry <= c_.LastIndex;
    if (o.AddingEntry || !known) {
        view_.SetEditEnabled(false);
        view_.SetDeleteEnabled(false);
        view_.SetNameText("");
        view_.SetFileText("");
    } else {
        const auto at = static_cast<std::size_t>(o.SelectedEntry);
        view_.SetFileText(c_.CatalogueFiles[at]);
        view_.SetNameText(at < o.Items().size() ? o.Items()[at] : std::string());
        view_.SetEditEnabled(true);
        view_.SetDeleteEnabled(true);
        if (o.SelectedEntry == c_.DefaultIndex) {
            checked = locked = true;
        }
    }
    view_.SetDefaultBox(checked, !locked);
}

void PropertiesRules::Check1_Click(bool checked) {
    if (!checked) {
        return;
    }
    view_.SetDefaultBox(true, false);
    // While adding, the mark goes to the entry being added: it will be the next index.
    c_.DefaultIndex = s_.options.AddingEntry ? static_cast<std::int16_t>(c_.LastIndex + 1)
                                             : s_.options.SelectedEntry;
}

void PropertiesRules::Command1_Click() {
    const std::string chosen = s_.dialogs.ShowOpenDialog("Open", "nod files|*.nod", "*.nod");
    if (chosen.empty()) {
        return;
    }
    view_.SetFileText(chosen);
    if (view_.NameText().empty()) {
        std::string path = chosen;
        const std::optional<std::string> title = ReadConversionTitle(path, s_.folders);
        if (!title) {
            return;
        }
        view_.SetNameText(*title);
    }
    view_.SetEditEnabled(true);
}

bool PropertiesRules::NameTaken(const std::string& name, int except) const {
    const std::vector<std::string>& items = s_.options.Items();
    for (int i = 0; i <= c_.LastIndex && static_cast<std::size_t>(i) < items.size(); ++i) {
        if (i != except && EqualsIgnoreCase1252(items[static_cast<std::size_t>(i)], name)) {
            return true;
        }
    }
    return false;
}

void PropertiesRules::Command2_Click() {
    OptionsRules& o = s_.options;
    const std::string name = view_.NameText();
    if (name.empty()) {
        view_.Notice(s_.texts.Get(105));
        return;
    }
    o.EnableApply();
    const std::string file = view_.FileText();
    std::string path = file;
    const std::string resolved = ResolveConversionPath(path, s_.folders);
    const bool full =
        o.AddingEntry && static_cast<std::size_t>(c_.LastIndex + 1) >= MaxCatalogueEntries;
    if (file.empty() || full || !ReadWholeFile(platform::ToFileSystemPath(resolved))) {
        view_.Notice(file + s_.texts.Get(101));
        return;
    }
    if (c_.LastIndex == -1) {
        o.SelectedEntry = 0;
        o.SetListText(name);
        o.SetPropertiesEnabled(true);
    }
    const std::string stored = StoredConversionPath(file, s_.folders.data);
    if (o.AddingEntry) {
        if (NameTaken(name, -1)) {
            view_.Notice(s_.texts.Get(104));
            return;
        }
        ++c_.LastIndex;
        o.AppendItem(name);
        view_.SetFileText(stored);
        c_.CatalogueFiles[static_cast<std::size_t>(c_.LastIndex)] = stored;
        o.AddingEntry = false;
        o.EnableApply();
        view_.CloseWindow();
        return;
    }
    if (NameTaken(name, o.SelectedEntry)) {
        view_.Notice(s_.texts.Get(104));
        return;
    }
    o.SetItem(o.SelectedEntry, name);
    view_.SetFileText(stored);
    c_.CatalogueFiles[static_cast<std::size_t>(o.SelectedEntry)] = stored;
    o.SelectItem(o.SelectedEntry);
    o.SetPropertiesEnabled(true);
    view_.CloseWindow();
}

void PropertiesRules::Command4_Click() {
    OptionsRules& o = s_.options;
    const std::int16_t at = o.SelectedEntry;
    if (at < 0 || at > c_.LastIndex) {
        return;
    }
    const MessageAnswer answer =
        s_.sink.Show({MessageIcon::Question, MessageButtons::YesNo, "", s_.texts.Get(103)});
    if (answer != MessageAnswer::Yes) {
        return;
    }
    o.EnableApply();
    c_.DefaultIndex = DefaultAfterRemoval(at, c_.DefaultIndex);
    for (int i = at; i < c_.LastIndex; ++i) {
        c_.CatalogueFiles[static_cast<std::size_t>(i)] =
            c_.CatalogueFiles[static_cast<std::size_t>(i + 1)];
    }
    o.RemoveItem(at);
    c_.CatalogueFiles[static_cast<std::size_t>(c_.LastIndex)].clear();
    --c_.LastIndex;
    if (c_.LastIndex >= 0) {
        o.SelectedEntry = 0;
        o.SelectItem(0);
    } else {
        o.SelectedEntry = -1;
        o.SetPropertiesEnabled(false);
    }
    view_.CloseWindow();
}

void PropertiesRules::Command3_Click() {
    s_.options.AddingEntry = false;
    c_.DefaultIndex = savedDefaultIndex_;
    view_.CloseWindow();
}

} // namespace ombrix

#pragma once
// Scripted stand-ins for the main window's own ports: the conversion, the
// catalogue, the window's controls, the tray window, the dialogs and the
// tool windows.

#include "FakeServices.h"
#include "mainwindow/rules/CataloguePort.h"
#include "mainwindow/rules/ConversionPort.h"
#include "mainwindow/rules/MainDialogs.h"
#include "mainwindow/rules/ToolWindows.h"
#include "mainwindow/rules/WindowPorts.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ombrix::testing {

// Conversions by path: a path not in `files` fails to load.
class FakeConversion : public ConversionPort {
public:
    struct File {
        ConversionTexts texts;
        bool changeTable = false;
        bool resultFormat = false;
        std::string urln = ""; // the catalogue title; empty: the file's base name
    };
    std::map<std::string, File> files;
    std::vector<std::string> loads;
    std::vector<std::pair<std::string, bool>> evaluations; // text, forward
    std::string result = "1,00";
    ConversionTexts current;
    bool currentChange = false;
    bool currentFormat = false;
    std::int16_t decimalPlaces = -1;
    bool grouping = false;
    int groupingCleared = 0;

    bool LoadConversion(std::string path) override {
        loads.push_back(path);
        auto it = files.find(path);
        if (it == files.end()) {
            return false;
        }
        current = it->second.texts;
        currentChange = it->second.changeTable;
        currentFormat = it->second.resultFormat;
        return true;
    }
    std::optional<std::string> ReadConversionTitle(std::string& path) override {
        std::string key = path;
        if (key.size() < 4 ||
            (key.substr(key.size() - 4) != ".nod" && key.substr(key.size() - 4) != ".NOD")) {
            path += ".nod";
            key = path;
        }
        auto it = files.find(key);
        if (it == files.end()) {
            return std::nullopt;
        }
        if (!it->second.urln.empty()) {
            return it->second.urln;
        }
        std::string base = key.substr(key.find_last_of("/\\") + 1);
        return base.substr(0, base.size() - 4);
    }
    ConversionTexts Texts() const override { return current; }
    bool HasChangeTable() const override { return currentChange; }
    bool HasResultFormat() const override { return currentFormat; }
    std::string EvaluateConversion(std::string text, bool forward) override {
        evaluations.emplace_back(text, forward);
        return result;
    }
    std::optional<std::string> FormatForDisplay(std::string text) override {
        return "[" + text + "]";
    }
    void SetDecimalPlaces(std::int16_t places) override { decimalPlaces = places; }
    void SetDigitGrouping(bool on) override { grouping = on; }
    void ClearGroupingSeen() override { ++groupingCleared; }
};

class FakeCatalogue : public CataloguePort {
public:
    struct Saved {
        std::string language;
        std::vector<std::string> names;
        std::vector<std::string> files;
        std::int16_t defaultIndex;
    };
    std::vector<std::string> names;
    std::vector<std::string> files;
    std::int16_t defaultIndex = 0;
    std::string language;
    bool saveWorks = true;
    std::vector<Saved> saves;
    // The number of saves there had been when a copy before the next one was asked for.
    std::vector<std::size_t> copiesBeforeSave;
    // What ReadCatalogue puts into memory, and the mode and selection it was given.
    std::vector<std::pair<std::string, std::string>> fileEntries;
    std::int16_t fileDefault = 0;
    std::string fileLanguage = "eng.lng";
    std::vector<std::pair<std::int16_t, std::int16_t>> reads;

    void Add(std::string name, std::string file) {
        names.push_back(std::move(name));
        files.push_back(std::move(file));
    }
    std::vector<std::string> Names() const override { return names; }
    std::string File(std::int16_t index) const override { return files.at(index); }
    std::int16_t LastIndex() const override {
        return static_cast<std::int16_t>(static_cast<int>(names.size()) - 1);
    }
    std::int16_t DefaultIndex() const override { return defaultIndex; }
    void SetDefaultIndex(std::int16_t index) override { defaultIndex = index; }
    std::string LanguageFile() const override { return language; }
    void SetLanguageFile(const std::string& file) override { language = file; }
    void RemoveEntry(std::int16_t index) override {
        names.erase(names.begin() + index);
        files.erase(files.begin() + index);
    }
    bool AppendEntry(const std::string& name, const std::string& file) override {
        if (names.size() >= MaxCatalogueEntries) {
            return false;
        }
        Add(name, file);
        return true;
    }
    std::int16_t ReadCatalogue(std::int16_t mode, std::int16_t currentSelection) override {
        reads.emplace_back(mode, currentSelection);
        names.clear();
        files.clear();
        for (auto& [n, f] : fileEntries) {
            Add(n, f);
        }
        defaultIndex = fileDefault;
        language = fileLanguage;
        return defaultIndex;
    }
    void KeepCopyOnNextSave() override { copiesBeforeSave.push_back(saves.size()); }
    bool SaveCatalogue(const std::string& lang, bool, std::string& written) override {
        if (!saveWorks) {
            return false;
        }
        saves.push_back({lang, names, files, defaultIndex});
        written = lang;
        return true;
    }
};

class FakeView : public MainView {
public:
    std::string caption = "Quavomat Euro Edition";
    PanelLabels labels;
    bool check1Enabled = true, digitEnabled = true, combo2Enabled = true;
    std::vector<std::string> items;
    std::int16_t selection = -1;
    std::string listText;
    std::string text1, text2;
    int activeOption = 1;
    bool precision = false, digit = false;
    int decimals = -1;
    std::map<MenuItem, bool> menu{{MenuItem::Intro, true}};
    std::map<MenuItem, bool> menuEnabled;
    bool visible = false;
    bool enabled = true;
    int drawingsCleared = 0;
    int centred = 0;
    int languagesApplied = 0;
    bool onTaskBar = true;
    std::vector<bool> topmostCalls;

    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& c) override { caption = c; }
    void SetLabels(const PanelLabels& l) override { labels = l; }
    void ClearList() override {
        items.clear();
        selection = -1;
    }
    void AddListItem(const std::string& name) override { items.push_back(name); }
    void RemoveListItem(std::int16_t index) override {
        items.erase(items.begin() + index);
        if (selection >= static_cast<int>(items.size())) {
            selection = -1;
        }
    }
    void SelectListItem(std::int16_t index) override { selection = index; }
    std::int16_t ListSelection() const override { return selection; }
    void SetListText(const std::string& text) override { listText = text; }
    std::string FieldText(int field) const override { return field == 1 ? text1 : text2; }
    void SetFieldText(int field, const std::string& text) override {
        (field == 1 ? text1 : text2) = text;
    }
    void SetActiveOption(int field) override { activeOption = field; }
    int ActiveOption() const override { return activeOption; }
    void SetFormatControlsEnabled(bool c1, bool d, bool c2) override {
        check1Enabled = c1;
        digitEnabled = d;
        combo2Enabled = c2;
    }
    void SetDecimalsEnabled(bool on) override { combo2Enabled = on; }
    bool PrecisionChecked() const override { return precision; }
    void SetPrecisionChecked(bool checked) override { precision = checked; }
    void SetDigitChecked(bool checked) override { digit = checked; }
    void SelectDecimals(int index) override { decimals = index; }
    int SelectedDecimals() const override { return decimals; }
    bool MenuChecked(MenuItem item) const override {
        auto it = menu.find(item);
        return it != menu.end() && it->second;
    }
    void SetMenuChecked(MenuItem item, bool checked) override { menu[item] = checked; }
    void SetMenuEnabled(MenuItem item, bool on) override { menuEnabled[item] = on; }
    void ShowWindow() override { visible = true; }
    void HideWindow() override { visible = false; }
    bool WindowVisible() const override { return visible; }
    bool WindowEnabled() const override { return enabled; }
    void SetWindowEnabled(bool on) override { enabled = on; }
    void SetTopmost(bool on) override { topmostCalls.push_back(on); }
    void ClearDrawing() override { ++drawingsCleared; }
    void SetOnTaskBar(bool on) override { onTaskBar = on; }
    void CentreWindow() override { ++centred; }
    void LanguageApplied() override { ++languagesApplied; }
};

class FakeTrayHost : public TrayHost {
public:
    bool timer = false;
    bool enabled = true;
    bool show = true, hide = true, exit = true;
    int popups = 0, mainCloses = 0, ends = 0;
    void StartTimer() override { timer = true; }
    void StopTimer() override { timer = false; }
    bool Enabled() const override { return enabled; }
    void SetItemsEnabled(bool s, bool h, bool e) override {
        show = s;
        hide = h;
        exit = e;
    }
    void PopUpMenu() override { ++popups; }
    void CloseMainWindow() override { ++mainCloses; }
    void CloseAllAndEnd() override { ++ends; }
};

class FakeMainDialogs : public MainDialogs {
public:
    int options = 0, intro = 0;
    bool optionsShown = true;        // false: as where no options dialog can be shown
    bool* optionsOpenFlag = nullptr; // set on showing, as the real dialog does
    bool ShowOptions() override {
        ++options;
        if (optionsOpenFlag != nullptr && optionsShown) {
            *optionsOpenFlag = true;
        }
        return optionsShown;
    }
    void ShowIntro() override { ++intro; }
};

// The wizard and the calculator with the dialogs, as the main window's rules get them.
struct FakeWindows {
    FakeToolWindow wizard;
    FakeToolWindow calculator;
    FakeMainDialogs dialogs;
    ToolWindows Tools() { return {wizard, calculator}; }
};

} // namespace ombrix::testing

#pragma once
// Scripted stand-ins for the GUI services: each answers from a queue the test
// fills (a default once it is empty) and logs what it was asked.

#include "RecordingSink.h"
#include "guikit/rules/ToolWindow.h"
#include "services/Beeper.h"
#include "services/Clipboard.h"
#include "services/FileDialogs.h"
#include "services/InstanceChannel.h"
#include "services/OwnerWindows.h"
#include "services/ProgramStarter.h"
#include "services/ShellOpener.h"
#include "services/TrayIcon.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace ombrix::testing {

// Takes the next scripted answer, or `otherwise` when none is left.
template <typename T> T NextAnswer(std::deque<T>& answers, T otherwise) {
    if (answers.empty()) {
        return otherwise;
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

// Open and save answer from queues of their own; the empty text is a cancel.
class FakeFileDialogs : public FileDialogs {
public:
    std::deque<std::string> openAnswers;
    std::deque<std::string> saveAnswers;
    std::vector<std::string> opened; // title|filter|extension
    std::vector<std::string> saved;  // title|filter|extension
    std::string ShowOpenDialog(const std::string& title, const std::string& filter,
                               const std::string& ext) override {
        opened.push_back(title + "|" + filter + "|" + ext);
        return NextAnswer(openAnswers, std::string());
    }
    std::string ShowSaveDialog(const std::string& filter, const std::string& ext,
                               const std::string& title) override {
        saved.push_back(title + "|" + filter + "|" + ext);
        return NextAnswer(saveAnswers, std::string());
    }
};

class FakeClipboard : public Clipboard {
public:
    std::string text;
    std::string Text() const override { return text; }
    void SetText(const std::string& t) override { text = t; }
    void Clear() override { text.clear(); }
};

class FakeBeeper : public Beeper {
public:
    int beeps = 0;
    void Beep() override { ++beeps; }
};

// The icon as a tray host keeps it; `shown` goes false when the host restarts.
class FakeTray : public TrayIcon {
public:
    bool available = true;
    bool shown = false;
    int adds = 0;
    std::vector<std::string> tips;
    bool Available() const override { return available; }
    bool Add(const std::string& tip) override {
        if (!available) {
            return false;
        }
        ++adds;
        shown = true;
        tips.push_back(tip);
        return true;
    }
    bool Modify(const std::string& tip) override {
        tips.push_back(tip);
        return shown;
    }
    void Remove() override { shown = false; }
};

// Records what the shell was asked to open, and from which folder.
class FakeShell : public ShellOpener {
public:
    std::vector<std::string> opened;
    std::vector<std::string> folders;
    bool Open(const std::string& target, const std::string& workingFolder) override {
        opened.push_back(target);
        folders.push_back(workingFolder);
        return true;
    }
};

class FakeStarter : public ProgramStarter {
public:
    std::vector<std::string> started;
    bool works = true;
    bool Start(const std::string& path) override {
        started.push_back(path);
        return works;
    }
};

// With `otherCopy` the command lines go to it; else this copy receives them
// through `receive`, as a later copy would hand them over.
class FakeChannel : public InstanceChannel {
public:
    bool otherCopy = false;
    std::vector<std::string> handed;
    CommandLineReceiver receive;
    bool HandOverToRunningCopy(const std::string& commandLine,
                               CommandLineReceiver receiver) override {
        if (otherCopy) {
            handed.push_back(commandLine);
            return true;
        }
        receive = std::move(receiver);
        return false;
    }
};

class FakeOwnerWindows : public OwnerWindows {
public:
    std::vector<bool> enabled;
    void SetOwnersEnabled(bool on) override { enabled.push_back(on); }
};

class FakeToolWindow : public ToolWindow {
public:
    int shown = 0, hidden = 0, reloads = 0;
    std::vector<bool> topmost, enabled;
    void Show() override { ++shown; }
    void Hide() override { ++hidden; }
    void SetTopmost(bool on) override { topmost.push_back(on); }
    void SetEnabled(bool on) override { enabled.push_back(on); }
    void ReloadTexts() override { ++reloads; }
};

} // namespace ombrix::testing

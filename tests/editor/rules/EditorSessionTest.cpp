#include "editor/rules/EditorSession.h"

#include "FakeEditorView.h"
#include "FakeRegistry.h"
#include "FakeServices.h"
#include "RecordingSink.h"
#include "TestFolder.h"
#include "editor/rules/LoaderValidator.h"
#include "platform/posix/FileIo.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace ombrix {
namespace {

namespace fs = std::filesystem;

constexpr const char* GoodFile = "NAME Test\r\nURLN Test title\r\nMATH ATS / 13.7603\r\n";

class EditorSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = testing::TestFolderPath("editor_session_");
        fs::create_directories(folder / "data");
        texts.Set(101, "could not be read");
        texts.Set(109, "Save?");
        view.changed = [this] { session->TextChanged(); };
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string Path(const std::string& name) const { return (folder / name).string(); }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        return ReadWholeFile(Path(name)).value_or("<missing>");
    }
    void Make(bool hosted) {
        validator = std::make_unique<LoaderValidator>(sink, texts, folders());
        session = std::make_unique<EditorSession>(
            EditorServices{view, sink, texts, dialogs, registry, *validator, currentFile, title,
                           folders(), hosted ? &host : nullptr});
    }
    platform::ProgramFolders folders() const {
        return {folder.string(), (folder / "data").string()};
    }

    fs::path folder;
    testing::FakeEditorView view;
    testing::RecordingSink sink;
    MessageTexts texts;
    testing::FakeFileDialogs dialogs;
    testing::FakeRegistry registry;
    testing::FakeEditorHost host;
    std::unique_ptr<LoaderValidator> validator;
    std::string currentFile;
    std::string title = "Editor";
    std::unique_ptr<EditorSession> session;
};

TEST_F(EditorSessionTest, HostedOpeningLoadsTheFieldsFileAndCountsAsAChange) {
    Write("conv.nod", GoodFile);
    host.fileField = "conv";
    Make(true);
    session->OpenHosted();
    EXPECT_EQ(host.enabled, std::vector<bool>{false});
    EXPECT_EQ(view.text, GoodFile);
    EXPECT_EQ(currentFile, "conv");
    EXPECT_EQ(view.caption, "Editor - " + Path("conv.nod"));
    EXPECT_EQ(session->History().IsDirty, 1);
    session->Undo(); // the load is slot 0: nothing to undo
    EXPECT_EQ(view.text, GoodFile);

    // Closing without an edit asks; No closes without the check.
    sink.answers = {MessageAnswer::No};
    EXPECT_TRUE(session->Closing());
    EXPECT_EQ(sink.messages.at(0).text, "Save?");
    EXPECT_EQ(sink.messages.at(0).title, "Editor");
    EXPECT_EQ(sink.messages.at(0).buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(host.enabled.back(), true);
}

TEST_F(EditorSessionTest, HostedSaveAndCloseGiveTheDialogTheTitle) {
    Write("conv.nod", GoodFile);
    host.fileField = "conv";
    Make(true);
    session->OpenHosted();
    view.Type("FORMAT 0.00\r\n");
    EXPECT_TRUE(session->SaveText());
    EXPECT_EQ(currentFile, "conv.nod");
    EXPECT_EQ(Read("conv.nod"), std::string(GoodFile) + "FORMAT 0.00\r\n");
    EXPECT_EQ(session->History().IsDirty, 0);
    EXPECT_EQ(registry.Get("usedlast1"), "conv.nod");
    EXPECT_TRUE(session->Closing());
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(host.nameField, "Test title");
    EXPECT_TRUE(host.editButton);
    EXPECT_EQ(host.enabled.back(), true);
}

TEST_F(EditorSessionTest, TheSaveQuestionsThreeAnswersOnClosing) {
    Write("conv.nod", GoodFile);
    Make(false);
    session->OpenStandalone(Path("conv.nod"));
    view.Type("FORMAT 0.000\r\n");

    sink.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(session->Closing());
    EXPECT_EQ(Read("conv.nod"), GoodFile);

    sink.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(session->Closing());
    EXPECT_EQ(Read("conv.nod"), std::string(GoodFile) + "FORMAT 0.000\r\n");

    view.Type("BADKEYWORD\r\n");
    sink.messages.clear();
    sink.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(session->Closing()); // the loader's message, the window stays
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[1].icon, MessageIcon::Critical);
    EXPECT_FALSE(session->Closing()); // saved: no question, the same check

    view.Type("x");
    sink.answers = {MessageAnswer::No}; // no check after No
    EXPECT_TRUE(session->Closing());
}

TEST_F(EditorSessionTest, ACancelledOrFailedSaveOnClosingKeepsTheWindowAndTheText) {
    Make(false);
    EXPECT_TRUE(session->Closing()); // an empty unnamed text: no question
    EXPECT_TRUE(sink.messages.empty());
    view.Type("new text");
    sink.answers = {MessageAnswer::Yes}; // and the save dialog cancelled
    EXPECT_FALSE(session->Closing());
    EXPECT_EQ(sink.messages.size(), 1u);
    sink.answers = {MessageAnswer::No};
    EXPECT_TRUE(session->Closing());

    Write("conv.nod", GoodFile);
    session->OpenStandalone(Path("conv.nod"));
    view.Type("more");
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    sink.answers = {MessageAnswer::Yes};
    const bool closed = session->Closing();
    fs::permissions(folder, fs::perms::owner_all);
    if (::geteuid() != 0) {
        EXPECT_FALSE(closed);
        EXPECT_EQ(session->History().IsDirty, 1);
        EXPECT_EQ(Read("conv.nod"), GoodFile);
        EXPECT_EQ(sink.messages.back().text, Path("conv.nod") + " could not be read");
    }
}

TEST_F(EditorSessionTest, ACancelledOpenChangesNothing) {
    Write("conv.nod", GoodFile);
    Make(false);
    session->OpenStandalone(Path("conv.nod"));
    view.Type("x");
    const std::string caption = view.caption;
    session->OpenText(); // the save question: Ok from the script counts as Cancel
    sink.answers = {MessageAnswer::No};
    session->OpenText(); // the open dialog cancelled
    EXPECT_EQ(view.text, std::string(GoodFile) + "x");
    EXPECT_EQ(view.caption, caption);
    EXPECT_EQ(currentFile, Path("conv.nod"));
    EXPECT_EQ(session->History().IsDirty, 1);
    session->Undo();
    EXPECT_EQ(view.text, GoodFile);

    // A chosen file that cannot be read changes nothing either.
    sink.answers = {MessageAnswer::No};
    dialogs.openAnswers = {Path("missing.nod")};
    session->OpenText();
    EXPECT_EQ(view.text, GoodFile);
    EXPECT_EQ(sink.messages.back().text, Path("missing.nod") + " could not be read");
}

TEST_F(EditorSessionTest, OpenReplacesTheTextAndPutsTheFileFirst) {
    Write("a.nod", "A\n");
    Make(true);
    view.Type("typed");
    dialogs.openAnswers = {Path("a.nod")};
    sink.answers = {MessageAnswer::No};
    session->OpenText();
    EXPECT_EQ(view.text, "A\n");
    EXPECT_EQ(host.fileField, Path("a.nod"));
    EXPECT_EQ(view.caption, "Editor - " + Path("a.nod"));
    EXPECT_EQ(session->History().IsDirty, 0);
    EXPECT_FALSE(view.undoRedo);
    EXPECT_EQ(registry.Get("usedlast1"), Path("a.nod"));
    EXPECT_EQ(dialogs.opened.at(0), "Open|nod files|*.nod|*.nod");
}

TEST_F(EditorSessionTest, SavingKeepsLineBreaksAndAddsOneOnlyWhenMissing) {
    struct Case {
        std::string content, written;
    };
    const Case cases[] = {{"A\r\nB\r\n", "A\r\nB\r\n"},
                          {"A\nB\r\nC\n", "A\nB\r\nC\n"},
                          {"A\r\nB", "A\r\nB\r\n"},
                          {"", "\r\n"}};
    Make(false);
    for (const Case& c : cases) {
        Write("f.nod", c.content);
        session->OpenStandalone(Path("f.nod"));
        EXPECT_TRUE(session->SaveText());
        EXPECT_EQ(Read("f.nod"), c.written);
        view.ClearText();
    }
}

TEST_F(EditorSessionTest, SaveResolvesARelativeNameAndSaveAsWritesTheNameAsChosen) {
    Make(false);
    fs::create_directories(folder / "euro");
    currentFile = "euro\\DEM";
    view.Type("X");
    EXPECT_TRUE(session->SaveText());
    EXPECT_EQ(currentFile, "euro\\DEM.nod");
    EXPECT_EQ(Read("euro/DEM.nod"), "X\r\n");

    dialogs.saveAnswers = {Path("plain")};
    EXPECT_TRUE(session->SaveTextAs());
    EXPECT_EQ(Read("plain"), "X\r\n");
    EXPECT_EQ(dialogs.saved.at(0), "Save|nod files|*.nod|*.nod");
    EXPECT_TRUE(session->SaveText());
    EXPECT_EQ(Read("plain.nod"), "X\r\n");
}

TEST_F(EditorSessionTest, OnlyASuccessfulWriteClearsTheChangeMark) {
    Make(false);
    view.Type("X");
    EXPECT_FALSE(session->SaveText()); // the save dialog cancelled
    EXPECT_FALSE(session->SaveTextAs());
    EXPECT_EQ(session->History().IsDirty, 1);
    EXPECT_EQ(registry.Get("usedlast1"), "");

    view.badLine = 3;
    dialogs.saveAnswers = {Path("x.nod")};
    EXPECT_FALSE(session->SaveText());
    EXPECT_FALSE(fs::exists(folder / "x.nod"));
    EXPECT_NE(sink.messages.back().text.find("U+4E2D on line 3"), std::string::npos);
    EXPECT_EQ(session->History().IsDirty, 1);
}

TEST_F(EditorSessionTest, AWriteKeepsThePermissionsAndLeavesNoTemporaryFile) {
    Write("p.nod", "old\r\n");
    fs::permissions(folder / "p.nod",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    Make(false);
    session->OpenStandalone(Path("p.nod"));
    view.Type("new");
    EXPECT_TRUE(session->SaveText());
    EXPECT_EQ(fs::status(folder / "p.nod").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) {
        ++files;
    }
    EXPECT_EQ(files, 2); // p.nod and data/
}

TEST_F(EditorSessionTest, NewAsksAndEmptiesEverything) {
    Write("conv.nod", GoodFile);
    Make(false);
    session->OpenStandalone(Path("conv.nod"));
    sink.answers = {MessageAnswer::Cancel};
    session->New();
    EXPECT_EQ(view.text, GoodFile);
    sink.answers = {MessageAnswer::No};
    session->New();
    EXPECT_EQ(view.text, "");
    EXPECT_EQ(currentFile, "");
    EXPECT_EQ(view.caption, "Editor - ");
    EXPECT_FALSE(view.undoRedo);
}

TEST_F(EditorSessionTest, ARecentFileIsLoadedAfterTheQuestion) {
    Write("r.nod", "R\r\n");
    registry.Set(Hive::CurrentUser, "usedlast2", Path("r.nod"));
    registry.Set(Hive::CurrentUser, "usedlast1", Path("q.nod"));
    Make(false);
    session->OpenStandalone("");
    view.Type("unsaved");
    sink.answers = {MessageAnswer::Cancel};
    session->ChooseRecent(2);
    EXPECT_EQ(view.text, "unsaved");
    sink.answers = {MessageAnswer::No};
    session->ChooseRecent(2);
    EXPECT_EQ(view.text, "R\r\n");
    EXPECT_EQ(currentFile, Path("r.nod"));
    EXPECT_EQ(registry.Get("usedlast1"), Path("r.nod"));
    EXPECT_EQ(registry.Get("usedlast2"), Path("q.nod"));
}

TEST_F(EditorSessionTest, TheCommandLine) {
    Write("DEM.nod", GoodFile);
    Write("data/ONLY.nod", GoodFile);
    Make(false);
    struct Case {
        std::string commandLine, currentFile;
        bool loaded;
    };
    const Case cases[] = {
        {"", "", false},
        {Path("DEM.NOD"), Path("DEM.nod"), true},
        {"DEM", "DEM.nod", true},
        {"ONLY", "", false}, // the data folder is not searched
        {"\"" + Path("DEM.nod") + "\"", "", false},
    };
    for (const Case& c : cases) {
        sink.messages.clear();
        view.ClearText();
        currentFile = "before";
        session->OpenStandalone(c.commandLine);
        EXPECT_EQ(currentFile, c.commandLine.empty() ? "before" : c.currentFile) << c.commandLine;
        EXPECT_EQ(view.text, c.loaded ? GoodFile : "") << c.commandLine;
        EXPECT_EQ(sink.messages.size(), c.loaded || c.commandLine.empty() ? 0u : 1u);
    }
}

} // namespace
} // namespace ombrix

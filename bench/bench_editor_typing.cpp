// Typing one character into the editor window, with the recording of the
// change in its history of whole-text snapshots: a definition file of about
// one megabyte against an empty text, in the same run. Offscreen.

#include "base/Registry.h"
#include "editor/Editor.h"
#include "editor/rules/LoaderValidator.h"
#include "platform/qt/QtServices.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

namespace {

namespace fs = std::filesystem;

class MemoryRegistry : public ombrix::Registry {
public:
    std::string RegRead(ombrix::Hive, std::string_view, std::string_view name) const override {
        auto it = values.find(std::string(name));
        return it == values.end() ? std::string() : it->second;
    }
    bool RegWrite(ombrix::Hive, std::string_view, std::string_view name,
                  std::string_view text) override {
        values[std::string(name)] = text;
        return true;
    }
    bool RegDelete(ombrix::Hive, std::string_view, std::string_view name) override {
        return values.erase(std::string(name)) > 0;
    }
    std::map<std::string, std::string> values;
};

struct Fixture {
    Fixture() {
        folder = fs::temp_directory_path() / ("bench_editor_" + std::to_string(::getpid()));
        fs::create_directories(folder);
        std::ofstream big(folder / "big.nod", std::ios::binary);
        big << "NAME Big\r\nURLN Big\r\n";
        for (int i = 0; big.tellp() < 1024 * 1024; ++i) {
            big << "' comment line " << i << " of a large conversion definition file\r\n";
        }
    }
    ~Fixture() { fs::remove_all(folder); }

    std::unique_ptr<ombrix::Editor> Open(const std::string& file) {
        auto editor =
            std::make_unique<ombrix::Editor>(ombrix::EditorWindowServices{sink,
                                                                          texts,
                                                                          dialogs,
                                                                          registry,
                                                                          clipboard,
                                                                          shell,
                                                                          validator,
                                                                          currentFile,
                                                                          links,
                                                                          slot,
                                                                          {folder.string(), {}},
                                                                          {},
                                                                          {},
                                                                          nullptr});
        editor->OpenStandalone(file);
        editor->show();
        editor->findChild<QPlainTextEdit*>("Text1")->moveCursor(QTextCursor::End);
        return editor;
    }

    fs::path folder;
    ombrix::platform::QtMessageSink sink{QStringLiteral("bench")};
    ombrix::MessageTexts texts;
    ombrix::platform::QtFileDialogs dialogs;
    MemoryRegistry registry;
    ombrix::platform::QtClipboard clipboard;
    ombrix::platform::QtShellOpener shell;
    ombrix::LoaderValidator validator{sink, texts, {}};
    std::string currentFile;
    ombrix::LinkTargets links;
    ombrix::FindDialogSlot slot;
};

Fixture* fixture = nullptr;

void Typing(benchmark::State& state, const std::string& file) {
    auto editor = fixture->Open(file);
    auto* box = editor->findChild<QPlainTextEdit*>("Text1");
    for (auto _ : state) {
        QTest::keyClick(box, Qt::Key_X);
    }
    state.counters["chars"] = static_cast<double>(box->document()->characterCount());
    state.counters["history_pos"] = editor->Session().History().HistoryPos();
}

void BM_TypeIntoEmptyText(benchmark::State& state) {
    Typing(state, "");
}
void BM_TypeIntoOneMegabyteFile(benchmark::State& state) {
    Typing(state, (fixture->folder / "big.nod").string());
}
BENCHMARK(BM_TypeIntoEmptyText)->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK(BM_TypeIntoOneMegabyteFile)->Unit(benchmark::kMillisecond)->Iterations(200);

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    Fixture f;
    fixture = &f;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fixture = nullptr;
    return 0;
}

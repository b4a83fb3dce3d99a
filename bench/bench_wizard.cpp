// The wizard's path for a whole table: the clipboard's text in, OK pressed,
// the converted text out, through the window's own code with the clipboard
// faked. Prints the time it took and the longest stretch in which the window
// handled no events, and writes the converted table for comparison.
//   bench_wizard DEFINITION TABLE OUTPUT   (run with QT_QPA_PLATFORM=offscreen)

#include "base/MessageTexts.h"
#include "engine/Engine.h"
#include "wizard/WizardExpress.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

class BenchClipboard : public ombrix::Clipboard {
public:
    std::string text;
    std::string Text() const override { return text; }
    void SetText(const std::string& t) override { text = t; }
    void Clear() override { text.clear(); }
};

class BenchHost : public ombrix::WizardHost {
public:
    void SetWizardOpen(bool) override {}
    bool AlwaysOnTop() const override { return false; }
};

class NoRegistry : public ombrix::Registry {
public:
    std::string RegRead(ombrix::Hive, std::string_view, std::string_view) const override {
        return "0";
    }
    bool RegWrite(ombrix::Hive, std::string_view, std::string_view, std::string_view) override {
        return true;
    }
    bool RegDelete(ombrix::Hive, std::string_view, std::string_view) override { return true; }
};

class NoLanguage : public ombrix::WindowLanguage {
public:
    bool ApplyTexts(std::int16_t) override { return true; }
};

class StderrSink : public ombrix::MessageSink {
public:
    ombrix::MessageAnswer Show(const ombrix::Message& message) override {
        std::cerr << message.text << '\n';
        return ombrix::MessageAnswer::Ok;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::cerr << "usage: bench_wizard DEFINITION TABLE OUTPUT\n";
        return 2;
    }
    StderrSink sink;
    ombrix::MessageGate gate(sink);
    ombrix::MessageTexts texts;
    ombrix::Engine engine({[] { return std::string("."); }, gate, texts, nullptr, {}});
    std::string definition = argv[1];
    if (!engine.LoadConversion(definition, 1)) {
        return 1;
    }
    BenchClipboard clipboard;
    {
        std::ifstream in(argv[2], std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        clipboard.text = text.str();
    }
    BenchHost host;
    NoRegistry registry;
    NoLanguage language;
    auto* window = new ombrix::WizardExpress({host, engine, registry, clipboard, gate, language});
    window->ShowWindow();
    QCoreApplication::processEvents();

    // A timer that fires whenever the window handles its events: the longest
    // gap between two firings is the longest the window stood still.
    QElapsedTimer sinceTurn;
    qint64 longest = 0;
    QTimer turns;
    turns.setInterval(0);
    QObject::connect(&turns, &QTimer::timeout, [&] {
        longest = std::max(longest, sinceTurn.elapsed());
        sinceTurn.restart();
    });

    QElapsedTimer clock;
    const std::size_t cells =
        static_cast<std::size_t>(std::count(clipboard.text.begin(), clipboard.text.end(), '\t') +
                                 std::count(clipboard.text.begin(), clipboard.text.end(), '\n'));
    turns.start();
    sinceTurn.start();
    clock.start();
    window->findChild<QPushButton*>(QStringLiteral("OK"))->click();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    longest = std::max(longest, sinceTurn.elapsed());
    turns.stop();

    std::ofstream(argv[3], std::ios::binary) << clipboard.text;
    std::printf("wizard: %.3f s, %.0f cells/s, longest without events: %lld ms\n", seconds,
                static_cast<double>(cells) / seconds, static_cast<long long>(longest));
    window->close();
    return 0;
}

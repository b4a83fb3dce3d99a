#include "FakeRegistry.h"
#include "FakeServices.h"
#include "FileLanguage.h"
#include "RecordingSink.h"
#include "engine/TableConversion.h"
#include "wizard/WizardExpress.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

namespace ombrix::testing {
namespace {

class FakeWizardHost : public WizardHost {
public:
    bool open = false;
    bool onTop = false;
    void SetWizardOpen(bool o) override { open = o; }
    bool AlwaysOnTop() const override { return onTop; }
};

// The wizard over a doubling conversion, with the installed English texts,
// "," as the decimal separator and a fake clipboard. Public: the cases of a
// table act on the fixture.
class WizardWindow : public ::testing::Test {
public:
    WizardWindow()
        : engine(EngineServices{[] { return std::string(","); }, gate, texts, nullptr, {}}) {
        engine.Numbers.SetDecimalPlaces(-1);
        engine.Definition.Name = "Doubling";
        engine.Definition.Input1 = "first";
        engine.Definition.Input2 = "second";
        engine.Definition.ErrorText = "no amount";
        engine.Definition.AppendMathStep("    * 2");
    }
    void TearDown() override { Close(); }

    WizardExpress* Open() {
        window = new WizardExpress({host, engine, registry, clipboard, gate, language});
        window->ShowWindow();
        return window;
    }
    void Close() {
        if (window != nullptr) {
            window->close();
            window = nullptr;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    template <typename T> T* In(const char* name) {
        T* child = window->findChild<T*>(QString::fromLatin1(name));
        if (child == nullptr) {
            ADD_FAILURE() << "no control named " << name;
            std::abort();
        }
        return child;
    }
    // Clicks a direction button on its round indicator (its middle may be blank).
    void Choose(const char* name) {
        QRadioButton* option = In<QRadioButton>(name);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }
    void PressOK() { QTest::mouseClick(In<QPushButton>("OK"), Qt::LeftButton); }
    // One tick of the status timer, without waiting half a second for it.
    void Tick() { QMetaObject::invokeMethod(In<QTimer>("Timer1"), "timeout"); }
    std::string StatusText() { return In<QLabel>("Label1")->text().toStdString(); }
    QColor StatusColour() { return In<QLabel>("Label1")->palette().color(QPalette::Window); }
    bool Green() { return StatusText() == "Converted" && StatusColour() == QColor(0, 255, 0); }
    bool Red() { return StatusText() == "Not converted" && StatusColour() == QColor(255, 0, 0); }
    void Symbols(const char* s1, const char* s2, const char* s3, const char* s4) {
        engine.Definition.Symbol1 = s1;
        engine.Definition.Symbol2 = s2;
        engine.Definition.Symbol3 = s3;
        engine.Definition.Symbol4 = s4;
    }

    RecordingSink sink;
    MessageGate gate{sink};
    MessageTexts texts;
    Engine engine;
    FakeRegistry registry;
    FakeClipboard clipboard;
    FakeWizardHost host;
    FileLanguage language{"eng.lng", sink, texts};
    WizardExpress* window = nullptr;
};

TEST_F(WizardWindow, OpensWithTheLanguageFilesTextsAndClosesFromItsMenu) {
    Open();
    EXPECT_TRUE(host.open);
    EXPECT_EQ(window->windowTitle(), "Conversion Wizard");
    EXPECT_EQ(In<QPushButton>("OK")->text(), "&Convert");
    EXPECT_EQ(In<QGroupBox>("Status")->title(), "Clipboard");
    EXPECT_EQ(In<QMenu>("file")->title(), "&File");
    EXPECT_EQ(In<QAction>("exit")->text(), "E&xit");
    EXPECT_EQ(In<QMenu>("tool")->title(), "&Tools");
    EXPECT_EQ(In<QAction>("symbool")->text(), "Add Unit &Symbols");
    EXPECT_EQ(StatusText(), "Start");
    EXPECT_TRUE(In<QRadioButton>("Option1")->isChecked());
    EXPECT_TRUE(In<QTimer>("Timer1")->isActive());
    EXPECT_EQ(In<QTimer>("Timer1")->interval(), 500);
    EXPECT_TRUE(sink.messages.empty());

    In<QAction>("exit")->trigger();
    EXPECT_FALSE(host.open);
    window = nullptr; // deleted on close
}

TEST_F(WizardWindow, SymbolSettingIsPerUserThenMachineWideElseWrittenOff) {
    Symbols("DM", "EUR", "", "");
    struct Case {
        const char* user;
        const char* machine;
        bool checked;
        const char* userAfter;
    } cases[] = {
        {"1", "", true, "1"},
        {"", "1", true, ""},
        {"0", "1", false, "0"},
        {"", "", false, "0"},
    };
    for (const Case& c : cases) {
        registry.values.clear();
        registry.Set(Hive::CurrentUser, "symbool", c.user);
        registry.Set(Hive::LocalMachine, "symbool", c.machine);
        Open();
        EXPECT_EQ(In<QAction>("symbool")->isChecked(), c.checked) << c.user << "|" << c.machine;
        EXPECT_EQ(registry.Get("symbool"), c.userAfter) << c.user << "|" << c.machine;
        // The item toggles and writes at once.
        In<QAction>("symbool")->trigger();
        EXPECT_EQ(In<QAction>("symbool")->isChecked(), !c.checked);
        EXPECT_EQ(registry.Get("symbool"), c.checked ? "0" : "1");
        Close();
    }
}

TEST_F(WizardWindow, DirectionButtonsShowTheUnits) {
    struct Case {
        const char* symbols[4];
        const char* option1;
        const char* option2;
        bool symbolItem;
    } cases[] = {
        {{"DM", "EUR", "", ""}, "DM", "EUR", true},
        {{"DM", "EUR", "Mark", "Euro"}, "Mark", "Euro", true},
        {{"", "", "Mark", ""}, "Mark", "second", true},
        {{"", "EUR", "", "E"}, "first", "second", false},
        {{"", "", "", ""}, "first", "second", false},
    };
    for (const Case& c : cases) {
        Symbols(c.symbols[0], c.symbols[1], c.symbols[2], c.symbols[3]);
        Open();
        EXPECT_EQ(In<QRadioButton>("Option1")->text(), c.option1);
        EXPECT_EQ(In<QRadioButton>("Option2")->text(), c.option2);
        EXPECT_EQ(In<QAction>("symbool")->isEnabled(), c.symbolItem) << c.option1;
        Close();
    }
}

TEST_F(WizardWindow, OKConvertsTheClipboardTableAndTurnsGreen) {
    struct Case {
        const char* table;
        const char* symbols[4];
        const char* symbool;
        bool reverse;
        const char* expected;
    } cases[] = {
        // A value without a line end gets one.
        {"12,50", {"", "", "", ""}, "0", false, "25\r\n"},
        {"12 EUR\tEUR 12\t12 34\r\n", {"", "", "", ""}, "0", false, "24\t24\t68\r\n"},
        // The header row and its line end are dropped.
        {"Amount\tPrice\r\n10\t20\r\n", {"", "", "", ""}, "0", false, "20\t40\r\n"},
        {"1\r\n10\tn/a\r\n", {"", "", "", ""}, "0", false, "2\r\n20\tn/a\r\n"},
        {"10\r\n", {"DM", "EUR", "", ""}, "1", false, "EUR 20\r\n"},
        {"10\r\n", {"DM", "EUR", "", ""}, "1", true, "DM 5\r\n"},
        {"10\r\n", {"", "EUR", "DM", "E"}, "1", true, "5 DM\r\n"},
        {"10\r\n", {"DM", "EUR", "", ""}, "0", false, "20\r\n"},
        // No symbol for the first unit: the item is off and nothing is attached.
        {"10\r\n", {"", "EUR", "", "E"}, "1", false, "20\r\n"},
    };
    for (const Case& c : cases) {
        Symbols(c.symbols[0], c.symbols[1], c.symbols[2], c.symbols[3]);
        registry.Set(Hive::CurrentUser, "symbool", c.symbool);
        clipboard.text = c.table;
        Open();
        if (c.reverse) {
            Choose("Option2");
        }
        PressOK();
        EXPECT_EQ(clipboard.text, c.expected) << c.table;
        EXPECT_TRUE(Green()) << c.table << ": " << StatusText();
        Close();
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(WizardWindow, StatusTurnsRedAtTheNextTickAfterAChangeOnly) {
    struct Case {
        const char* change;
        std::function<void(WizardWindow&)> apply;
        bool red;
    } cases[] = {
        {"nothing", [](WizardWindow&) {}, false},
        {"clipboard", [](WizardWindow& t) { t.clipboard.text = "copied"; }, true},
        {"direction", [](WizardWindow& t) { t.Choose("Option2"); }, true},
        {"direction and back",
         [](WizardWindow& t) {
             t.Choose("Option2");
             t.Choose("Option1");
         },
         false},
        {"conversion", [](WizardWindow& t) { t.Symbols("FRF", "EUR", "", ""); }, true},
        {"conversion of the same units",
         [](WizardWindow& t) { t.engine.Definition.Name = "Tripling"; }, true},
    };
    for (const Case& c : cases) {
        Symbols("DM", "EUR", "Mark", "Euro");
        engine.Definition.Name = "Doubling";
        clipboard.text = "10\r\n";
        Open();
        Tick();
        EXPECT_TRUE(Red()) << "a table not yet converted";
        PressOK();
        Tick();
        EXPECT_TRUE(Green()) << c.change;
        c.apply(*this);
        Tick();
        EXPECT_EQ(Red(), c.red) << c.change << ": " << StatusText();
        EXPECT_EQ(Green(), !c.red) << c.change;
        Close();
    }
    // A new conversion relabels the direction buttons.
    Symbols("DM", "EUR", "", "");
    Open();
    Symbols("FRF", "EUR", "", "");
    Tick();
    EXPECT_EQ(In<QRadioButton>("Option1")->text(), "FRF");
}

TEST_F(WizardWindow, OneErrorBoxPerOKAndEveryFailingCellEmpty) {
    engine.Definition.Clear();
    engine.Definition.ErrorText = "unknown word";
    engine.Definition.AppendTranslation("Ja", "Yes");
    engine.Definition.AppendTranslation("Nein", "No");
    engine.Definition.BuildIndexes();
    Open();
    clipboard.text = "ja\tvielleicht\r\nNEIN\tdoch\r\nnie\r\n";
    PressOK();
    EXPECT_EQ(clipboard.text, "Yes\t\r\nNo\t\r\n\r\n");
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "unknown word");
    EXPECT_TRUE(Green());

    clipboard.text = "nie\tniemals\r\n";
    PressOK();
    EXPECT_EQ(sink.messages.size(), 2u);

    // Outside the wizard every failure shows its box again.
    std::string word = "nie";
    engine.EvaluateConversion(word, Forward);
    engine.EvaluateConversion(word, Forward);
    EXPECT_EQ(sink.messages.size(), 4u);
}

TEST_F(WizardWindow, NothingToConvertChangesNothing) {
    struct Case {
        const char* clipboard;
        bool loaded;
    } cases[] = {
        {"", true}, {"10\r\n", false}, // the conversion's file failed to load
    };
    for (const Case& c : cases) {
        if (!c.loaded) {
            engine.Definition.Clear();
        }
        clipboard.text = c.clipboard;
        Open();
        PressOK();
        EXPECT_EQ(clipboard.text, c.clipboard);
        EXPECT_EQ(StatusText(), "Start");
        Close();
    }
    EXPECT_TRUE(sink.messages.empty());
}

// A table big enough to take several steps.
std::string LongTable() {
    std::string table = "Amount\tPrice\r\n";
    for (int row = 0; row < 150000; ++row) {
        table += std::to_string(row) + ",5\t" + std::to_string(row % 97) + " EUR\tn/a\r\n";
    }
    table += "7";
    return table;
}

TEST_F(WizardWindow, LongTableConvertsInStepsBehindAProgressDialog) {
    const std::string table = LongTable();
    const std::string expected = ConvertTable(engine, table, Forward, false).text;
    clipboard.text = table;
    Open();
    window->SetProgressDelay(0);
    int shown = 0;
    bool busy = false;
    QObject::connect(window, &WizardExpress::progressShown, window, [&](QProgressDialog* progress) {
        ++shown;
        busy = QApplication::overrideCursor() != nullptr &&
               QApplication::overrideCursor()->shape() == Qt::BusyCursor;
        EXPECT_TRUE(progress->isVisible());
    });
    PressOK();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(busy);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(window->findChild<QProgressDialog*>(), nullptr);
    EXPECT_TRUE(clipboard.text == expected) << "the converted table differs";
    EXPECT_TRUE(Green());
}

TEST_F(WizardWindow, WindowsTakeNoInputWhileATableConverts) {
    clipboard.text = LongTable();
    Open();
    window->SetProgressDelay(60000);
    // A click that arrives between two steps, before any progress dialog.
    bool clickedWhileConverting = false;
    QTimer::singleShot(0, window, [&] {
        clickedWhileConverting = window->Converting();
        Choose("Option2");
    });
    PressOK();
    ASSERT_TRUE(clickedWhileConverting);
    EXPECT_TRUE(In<QRadioButton>("Option1")->isChecked());
    EXPECT_TRUE(window->Rules().OptionAlg());
    EXPECT_TRUE(Green());
}

TEST_F(WizardWindow, CancelLeavesTheClipboardAsItWas) {
    const std::string table = LongTable();
    clipboard.text = table;
    Open();
    Tick();
    window->SetProgressDelay(0);
    QObject::connect(window, &WizardExpress::progressShown, window,
                     [](QProgressDialog* progress) { progress->cancel(); });
    PressOK();
    EXPECT_TRUE(clipboard.text == table) << "the clipboard changed";
    EXPECT_TRUE(Red());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(window->Converting());
}

} // namespace
} // namespace ombrix::testing

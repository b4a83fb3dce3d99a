// The main window in the shipped translations: every caption a user sees
// first comes from the language file.

#include "FileLanguage.h"
#include "GuiFixture.h"

#include <QMenuBar>

namespace ombrix::testing {
namespace {

struct Captions {
    const char* file;
    const char* fileMenu;
    const char* exit;
    const char* label7;
    const char* digits;
    const char* fixedDecimals;
    const char* options;
    const char* calculator;
    const char* about;
};

class TranslatedWindow : public GuiFixture, public ::testing::WithParamInterface<Captions> {};

TEST_P(TranslatedWindow, ShowsTheLanguageFilesCaptions) {
    const Captions& c = GetParam();
    registry.Set(Hive::CurrentUser, "first", "0");
    Catalogue({{"NLG", false}});
    ASSERT_EQ(form->Start(""), StartupOutcome::Shown);
    FileLanguage language{c.file, sink, texts};
    ASSERT_TRUE(language.ApplyTexts(MainWindow));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(Menu("File")->title(), c.fileMenu);
    EXPECT_EQ(Item("Exit")->text(), c.exit);
    EXPECT_EQ(Label7()->text(), c.label7);
    EXPECT_EQ(Digitchek()->text(), c.digits);
    EXPECT_EQ(Check1()->text(), c.fixedDecimals);
    EXPECT_EQ(Menu("Config")->title(), c.options);
    EXPECT_EQ(Item("cal")->text(), c.calculator);
    EXPECT_EQ(Image2()->toolTip(), QString(c.calculator).remove('&')); // no mnemonic marks
    EXPECT_EQ(Item("About")->text(), c.about);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, TranslatedWindow,
    ::testing::Values(Captions{"nld.lng", "&Bestand", "&Afsluiten",
                               "Omrekening:", "Cijfergroepering", "Decimalen", "&Opties",
                               "&Rekenmachine", "&Over Quavomat"},
                      Captions{"deu.lng", "&Datei", "&Beenden", "Umrechnung:", "Zifferngruppierung",
                               "Feste Stellen", "&Optionen", "&Taschenrechner", "Ü&ber Quavomat"}),
    [](const auto& testCase) { return std::string(testCase.param.file).substr(0, 3); });

} // namespace
} // namespace ombrix::testing

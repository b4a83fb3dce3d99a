#include "programs/OmbrixEditor/EditorRoot.h"

#include "editor/Editor.h"
#include "editor/rules/LoaderValidator.h"
#include "guikit/WindowTexts.h"
#include "guikit/frmAbout.h"
#include "platform/posix/Paths.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/Win1252.h"
#include "services/OwnerWindows.h"
#include "settings/CatalogueFile.h"
#include "settings/DataFolder.h"
#include "settings/FileRegistry.h"
#include "settings/LanguageFile.h"
#include "settings/SettingsEnvironment.h"
#include "settings/WindowTextTables.h"

#include <QApplication>
#include <QIcon>
#include <QPointer>

#include <filesystem>
#include <system_error>

namespace ombrix {

namespace {

constexpr const char* AppTitle = "OmbrixEditor";

// The about box's texts, read from the language file when the box opens.
class AboutLanguage : public WindowLanguage {
public:
    AboutLanguage(std::string file, const LanguageContext& ctx)
        : file_(std::move(file)), ctx_(ctx) {}
    bool ApplyTexts(std::int16_t window) override {
        if (window != AboutWindow && window != EditorWindow) {
            return true; // the stand-alone program has no other windows
        }
        const LanguageLoad load = LoadLanguage(file_, window, ctx_);
        ApplyToOpenWindows(load.texts);
        return load.ok;
    }

private:
    std::string file_;
    const LanguageContext& ctx_;
};

} // namespace

std::string EditorCommandLine(const QStringList& arguments) {
    return platform::StoredFileNameOrTell(arguments.mid(1).join(u' '), nullptr, true)
        .value_or(std::string());
}

int RunEditor() {
    QApplication::setApplicationName(QString::fromLatin1(AppTitle));

    const SettingsEnvironment environment = ProcessSettingsEnvironment();
    const std::string programFolder = platform::ExecutableFolder();
    const platform::ProgramFolders folders{programFolder, DataFolder(environment, programFolder)};

    MessageTexts texts;
    LinkTargets links;
    platform::QtMessageSink sink(QString::fromLatin1(AppTitle));
    const LanguageContext languageContext{folders, sink, texts, links};

    // The language file named in the main program's catalogue. Before the
    // main program ever ran there is no catalogue: the default file then.
    const std::string catalogue = JoinPath(folders.data, CatalogueFileName);
    std::string language(DefaultLanguageFile);
    std::error_code missing;
    const std::string catalogueOnDisk = platform::ToFileSystemPath(catalogue);
    if (std::filesystem::exists(catalogueOnDisk, missing)) {
        const std::optional<std::string> named = ReadCatalogueLanguage(catalogueOnDisk);
        if (!named) {
            sink.Show(Message{MessageIcon::Critical, MessageButtons::Ok, AppTitle,
                              "The list of conversions " + catalogue +
                                  " could not be read, so the language file is not known. "
                                  "OmbrixEditor ends."});
            return 1;
        }
        language = *named;
    }
    LanguageLoad load = LoadLanguage(language, EditorWindow, languageContext);
    if (!load.ok) {
        return 1;
    }

    FileRegistry registry(environment);
    platform::QtFileDialogs fileDialogs;
    platform::QtClipboard clipboard;
    platform::QtShellOpener shell;
    platform::QtProgramStarter starter;
    NoOwnerWindows owners;
    AboutLanguage aboutLanguage(language, languageContext);
    LoaderValidator validator(sink, texts, folders);
    FindDialogSlot findSlot;
    std::string currentFile;
    QPointer<frmAbout> about;

    QApplication::setWindowIcon(
        QIcon(platform::QtFileName(programFolder) + QStringLiteral("/icons/ombrixgo.png")));
    auto* editor =
        new Editor({sink, texts, fileDialogs, registry, clipboard, shell, validator, currentFile,
                    links, findSlot, folders, std::move(load.texts),
                    [&] {
                        if (about.isNull()) {
                            about = new frmAbout(
                                {owners, aboutLanguage, registry, starter, sink, AppTitle}, true);
                            about->ShowProgramWord("Editor");
                            about->setAttribute(Qt::WA_DeleteOnClose);
                        }
                        about->show();
                        about->raise();
                    },
                    nullptr});
    editor->OpenStandalone(EditorCommandLine(QApplication::arguments()));
    editor->show();
    // The program ends when its last window closes; an open about box keeps it running.
    const int code = QApplication::exec();
    delete about.data();
    return code;
}

} // namespace ombrix

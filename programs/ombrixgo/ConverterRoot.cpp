#include "programs/ombrixgo/ConverterRoot.h"

#include "calculator/CalculatorToolWindow.h"
#include "editor/Editor.h"
#include "editor/rules/LoaderValidator.h"
#include "engine/Engine.h"
#include "guikit/frmAbout.h"
#include "guikit/rules/ToolWindow.h"
#include "mainwindow/Form1.h"
#include "mainwindow/rules/CalculatorHostAdapter.h"
#include "mainwindow/rules/CommandLine.h"
#include "mainwindow/rules/DialogHostAdapter.h"
#include "mainwindow/rules/EngineConversion.h"
#include "mainwindow/rules/MainDialogs.h"
#include "mainwindow/rules/WizardHostAdapter.h"
#include "mainwindow/tray1.h"
#include "platform/posix/LocaleSeparator.h"
#include "platform/posix/Paths.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtTrayIcon.h"
#include "platform/qt/SingleInstance.h"
#include "platform/qt/Win1252.h"
#include "programs/ombrixgo/LateDialogs.h"
#include "programs/ombrixgo/SettingsSide.h"
#include "services/OwnerWindows.h"
#include "settings/DataFolder.h"
#include "settings/SettingsEnvironment.h"
#include "settings/WindowTextTables.h"
#include "settings/dialogs/DialogWindows.h"
#include "wizard/WizardToolWindow.h"
#include "wizard/rules/MessageGate.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <cstdio>

namespace ombrix {

std::string CommandLineText(const QStringList& arguments) {
    return platform::StoredFileNameOrTell(arguments.mid(1).join(u' '), nullptr, true)
        .value_or(std::string());
}

int RunConverter() {
    QApplication::setApplicationName(QStringLiteral("Quavomat"));
    // The main window may be hidden while the program runs on; it ends the run itself.
    QApplication::setQuitOnLastWindowClosed(false);

    // The folders first: everything built below takes them as they are.
    const SettingsEnvironment environment = ProcessSettingsEnvironment();
    const std::string programFolder = platform::ExecutableFolder();
    const platform::ProgramFolders folders{programFolder, DataFolder(environment, programFolder)};
    // A file named relative to where the program was started is made whole
    // before any copy resolves it against its own folder.
    const std::string commandLine =
        WithFileFromStartFolder(CommandLineText(QApplication::arguments()),
                                platform::StoredFileName(QDir::currentPath()).text);
    const std::string executable =
        platform::StoredFileName(QFileInfo(QApplication::applicationFilePath()).fileName()).text;
    const QIcon icon(platform::QtFileName(programFolder) + QStringLiteral("/icons/ombrixgo.png"));

    MessageTexts texts;
    MainFlags flags;
    platform::QtMessageSink sink(QStringLiteral("Quavomat"));
    SettingsSide settings(environment, folders, sink, texts);
    // The wizard limits the engine's error boxes to one per converted table.
    MessageGate engineSink(sink);
    Engine engine(
        {platform::MonetaryDecimalSeparator, engineSink, texts, &settings.Store(), folders});
    EngineConversion conversion(engine);

    platform::QtFileDialogs fileDialogs;
    platform::QtClipboard clipboard;
    platform::QtBeeper beeper;
    platform::QtShellOpener shell;
    platform::QtProgramStarter starter;
    platform::QtTrayIcon tray(icon);
    platform::LocalInstanceChannel channel;
    sink.GroupWhile([&channel] { return channel.Receiving(); });
    LateDialogs dialogs;
    // The main window is the wizard's and the calculator's host, so they get
    // their factories once the main window exists; each is made at its first showing.
    WizardToolWindow wizard;
    CalculatorToolWindow calculator;

    QApplication::setWindowIcon(icon);
    Form1 mainWindow({settings.Store(),
                      conversion,
                      settings.CatalogueAccess(),
                      settings,
                      settings,
                      texts,
                      flags,
                      settings.Links(),
                      sink,
                      fileDialogs,
                      clipboard,
                      beeper,
                      shell,
                      starter,
                      tray,
                      channel,
                      dialogs,
                      ToolWindows{wizard, calculator},
                      folders,
                      StartAtLoginCommand(programFolder, executable)});
    mainWindow.setWindowIcon(icon);
    CalculatorHostAdapter calculatorHost(mainWindow, mainWindow.Panel(), flags);
    calculator.SetFactory(
        [&] {
            return new standard(
                {calculatorHost, engine.Numbers, sink, texts, beeper, clipboard, settings});
        },
        mainWindow);
    WizardHostAdapter wizardHost(flags);
    wizard.SetFactory(
        [&] {
            return new WizardExpress(
                {wizardHost, engine, settings.Store(), clipboard, engineSink, settings});
        },
        mainWindow);
    DialogHostAdapter dialogHost(
        {mainWindow, mainWindow.Panel(), conversion, flags, ToolWindows{wizard, calculator},
         settings, settings.Store(), dialogs,
         [&mainWindow] { mainWindow.TrayWindow().CloseAllAndEnd(); },
         [&mainWindow] { mainWindow.Lifecycle().OptionsClosed(); }, commandLine == "/Once"});
    // The editor, opened from the properties dialog on that dialog's file.
    LoaderValidator validator(sink, texts, folders);
    FindDialogSlot findSlot;
    std::string currentFile;
    NoOwnerWindows noOwners;
    QPointer<frmAbout> editorAbout;
    const auto openEditor = [&](EditorHost& host) {
        auto* editor = new Editor(
            {sink, texts, fileDialogs, settings.Store(), clipboard, shell, validator, currentFile,
             settings.Links(), findSlot, folders, settings.TextsFor(EditorWindow),
             [&] {
                 if (editorAbout.isNull()) {
                     editorAbout = new frmAbout(
                         {noOwners, settings, settings.Store(), starter, sink, "Quavomat"}, true);
                     editorAbout->setAttribute(Qt::WA_DeleteOnClose);
                 }
                 editorAbout->show();
                 editorAbout->raise();
             },
             &host});
        editor->OpenHosted();
        editor->show();
        editor->raise();
        editor->activateWindow();
    };
    DialogWindows dialogWindows({settings.SharedCatalogue(), dialogHost, dialogHost, settings, sink,
                                 texts, fileDialogs, beeper, folders, openEditor});
    dialogs.windows = &dialogWindows;
    QObject::connect(&tray.Icon(), &QSystemTrayIcon::activated, &mainWindow,
                     [&mainWindow](QSystemTrayIcon::ActivationReason reason) {
                         // A right click asks for the menu, whichever button the desktop uses.
                         const TrayPointer pointer =
                             reason == QSystemTrayIcon::DoubleClick ? TrayPointer::LeftDoubleClick
                             : reason == QSystemTrayIcon::Context   ? TrayPointer::RightButtonUp
                                                                    : TrayPointer::Other;
                         mainWindow.TrayWindow().PointerEvent(pointer);
                     });

    switch (mainWindow.Start(commandLine)) {
    case StartupOutcome::SecondCopy:
        if (const auto& failure = channel.Failure()) {
            std::fprintf(stderr, "ombrixgo: %s.\n", failure->c_str());
            return 1;
        }
        return 0;
    case StartupOutcome::LanguageFailed:
        return 0;
    case StartupOutcome::Shown:
        // For measuring start-up: end as soon as the window has been shown.
        if (qEnvironmentVariableIsSet("OMBRIX_QUIT_WHEN_SHOWN")) {
            QTimer::singleShot(0, [] { QApplication::exit(0); });
        }
        break;
    case StartupOutcome::Hidden:
        break;
    }
    return QApplication::exec();
}

} // namespace ombrix

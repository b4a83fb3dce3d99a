#include "mainwindow/ConverterProgram.h"

#include "engine/Engine.h"
#include "mainwindow/AbsentWindows.h"
#include "mainwindow/EngineConversion.h"
#include "mainwindow/Form1.h"
#include "mainwindow/SettingsSide.h"
#include "mainwindow/tray1.h"
#include "platform/posix/LocaleSeparator.h"
#include "platform/posix/Paths.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtTrayIcon.h"
#include "platform/qt/SingleInstance.h"
#include "platform/qt/Win1252.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QStringList>
#include <QTimer>

namespace ombrix {

std::string CommandLineText(const QStringList& arguments) {
    return platform::ToWin1252(arguments.mid(1).join(u' '));
}

int RunConverter() {
    QApplication::setApplicationName(QStringLiteral("Quavomat"));
    // The main window may be hidden while the program runs on; it ends the run itself.
    QApplication::setQuitOnLastWindowClosed(false);

    const std::string programFolder = platform::ExecutableFolder();
    const std::string commandLine = CommandLineText(QApplication::arguments());
    const QIcon icon(platform::FromWin1252(programFolder) + QStringLiteral("/icons/ombrixgo.png"));

    MessageTexts texts;
    platform::QtMessageSink sink(QStringLiteral("Quavomat"));
    SettingsSide side(programFolder, sink, texts);

    Engine engine({platform::MonetaryDecimalSeparator,
                   sink,
                   texts,
                   &side.Store(),
                   {programFolder, side.DataFolder()}});
    EngineConversion conversion(engine);

    platform::QtFileDialogs dialogs;
    platform::QtClipboard clipboard;
    platform::QtBeeper beeper;
    platform::QtShellOpener shell;
    platform::QtProgramStarter starter;
    platform::QtTrayIcon tray(icon);
    AbsentWindows windows;
    Form1* form = nullptr;
    platform::LocalInstanceChannel channel([&form](const std::string& text) {
        if (form != nullptr) {
            form->ReceiveCommandLine(text);
        }
    });

    const std::string executable =
        platform::ToWin1252(QFileInfo(QApplication::applicationFilePath()).fileName());
    AppContext context{
        side.Store(),
        conversion,
        side.CatalogueAccess(),
        side,
        texts,
        GuiServices{sink, dialogs, clipboard, beeper, shell, starter, tray, windows, channel},
        programFolder,
        side.RunCommand(executable)};
    Form1 mainWindow(context);
    mainWindow.setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
    side.Attach(mainWindow, context);
    form = &mainWindow;
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
    const int status = QApplication::exec();
    form = nullptr;
    return status;
}

} // namespace ombrix

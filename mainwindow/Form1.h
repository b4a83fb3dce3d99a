#pragma once
// The main window: the conversion list, the two value fields with their
// labels and the number-format controls, with the image-button strip, the
// menu bar and the field edit actions as collaborators. Events become calls
// of the panel and lifecycle rules; the rules drive the controls back
// through MainView. Controls are found by their object names.

#include "guikit/frmAbout.h"
#include "mainwindow/MainMenuBar.h"
#include "mainwindow/MainWindowServices.h"
#include "mainwindow/rules/ConfigMenu.h"
#include "mainwindow/rules/ConversionPanel.h"
#include "mainwindow/rules/MainLifecycle.h"
#include "mainwindow/rules/MainOwnerWindows.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace ombrix {

class FieldEditActions;
class ImageButtonStrip;
class MainMenuBar;
class PanelSurface;
class tray1;

class Form1 : public QMainWindow, public MainView {
    Q_OBJECT
public:
    explicit Form1(MainWindowServices services);
    ~Form1() override;

    ConversionPanel& Panel() { return panel_; }
    MainLifecycle& Lifecycle() { return lifecycle_; }
    tray1& TrayWindow() { return *tray_; }
    // The about box while it is open.
    frmAbout* AboutBox() const { return about_; }

    // The Always on Top item's handler; other windows call it too.
    void Altop_Click() { config_.Altop_Click(); }

    // Runs the start-up; the window is shown when the outcome says so.
    StartupOutcome Start(const std::string& commandLine);
    void SUBCOMMAND(std::string& text) { lifecycle_.SUBCOMMAND(text); }
    std::string addconfig(std::string& file) { return panel_.addconfig(file); }
    // A command line handed over by another copy.
    void ReceiveCommandLine(const std::string& text) { lifecycle_.CommandLineReceived(text); }
    // "Open Conversion" and Image3.
    void OpenConversion();
    // Makes room for a list caption wider than its designed place.
    void FitListCaption();
    // Widens a number-format caption that does not fit, moves what follows
    // it to the right and lets the window grow, so no caption is cut.
    void FitFormatCaptions();

    // MainView.
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    void SetLabels(const PanelLabels& labels) override;
    void ClearList() override;
    void AddListItem(const std::string& name) override;
    void RemoveListItem(std::int16_t index) override;
    void SelectListItem(std::int16_t index) override;
    std::int16_t ListSelection() const override;
    void SetListText(const std::string& text) override;
    std::string FieldText(int field) const override;
    void SetFieldText(int field, const std::string& text) override;
    void SetActiveOption(int field) override;
    int ActiveOption() const override;
    void SetFormatControlsEnabled(bool check1, bool digitchek, bool combo2) override;
    void SetDecimalsEnabled(bool enabled) override;
    bool PrecisionChecked() const override;
    void SetPrecisionChecked(bool checked) override;
    void SetDigitChecked(bool checked) override;
    void SelectDecimals(int index) override;
    int SelectedDecimals() const override;
    bool MenuChecked(MenuItem item) const override;
    void SetMenuChecked(MenuItem item, bool checked) override;
    void SetMenuEnabled(MenuItem item, bool enabled) override;
    void ShowWindow() override;
    void HideWindow() override;
    bool WindowVisible() const override;
    bool WindowEnabled() const override;
    void SetWindowEnabled(bool enabled) override;
    void SetTopmost(bool on) override;
    void SetOnTaskBar(bool on) override;
    void ClearDrawing() override;
    void CentreWindow() override;
    void LanguageApplied() override {
        FitListCaption();
        FitFormatCaptions();
    }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildPanel();
    MainMenuHandlers MenuHandlers();
    void ConnectPanel();
    QLineEdit* Field(int field) const { return field == 1 ? Text1 : Text2; }
    void ShowStartOfListText();
    bool FieldKeyEvent(int field, const QKeyEvent& key);
    void About_Click();

    MainWindowServices s_;
    ConversionPanel panel_;
    std::unique_ptr<tray1> tray_;
    MainLifecycle lifecycle_;
    ConfigMenu config_;
    MainOwnerWindows owners_;
    QPointer<frmAbout> about_;

    // Controls, named as designed (each one's objectName is its name).
    PanelSurface* surface_ = nullptr;
    QLabel* Label7 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label3 = nullptr;
    QRadioButton* Option1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr;
    QRadioButton* Option2 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Label6 = nullptr;
    QCheckBox* Digitchek = nullptr;
    QCheckBox* Check1 = nullptr;
    QComboBox* Combo2 = nullptr;

    MainMenuBar* menus_ = nullptr;
    FieldEditActions* editActions_ = nullptr;
    ImageButtonStrip* images_ = nullptr;
    int widestListEntry_ = 0;
    bool onTaskBar_ = true;
};

} // namespace ombrix

#pragma once
// The main window: the conversion list, the two value fields with their
// labels, the number-format controls, the image buttons and the menus.
// Events become calls of the panel and lifecycle rules; the rules drive the
// controls back through MainView.

#include "guikit/frmAbout.h"
#include "mainwindow/MainWindowServices.h"
#include "mainwindow/rules/ConfigMenu.h"
#include "mainwindow/rules/ConversionPanel.h"
#include "mainwindow/rules/MainLifecycle.h"
#include "mainwindow/rules/MainOwnerWindows.h"

#include <QMainWindow>
#include <QPointer>
#include <QRectF>

#include <memory>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace ombrix {

class ImageButton;
class PanelSurface;
class tray1;

class Form1 : public QMainWindow, public MainView {
    Q_OBJECT
public:
    explicit Form1(MainWindowServices services);
    ~Form1() override;

    // Controls, named as designed (each one's objectName is its name).
    ImageButton* Image1;
    ImageButton* Image2;
    ImageButton* Image3;
    QLabel* Label7;
    QComboBox* Combo1;
    QLabel* Label3;
    QRadioButton* Option1;
    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label5;
    QLabel* Label4;
    QRadioButton* Option2;
    QLabel* Label2;
    QLineEdit* Text2;
    QLabel* Label6;
    QCheckBox* Digitchek;
    QCheckBox* Check1;
    QComboBox* Combo2;

    QMenu* File;
    QAction* openconv;
    QAction* Exit;
    QMenu* edit;
    QAction* ecut;
    QAction* ecopy;
    QAction* epaste;
    QAction* Delete;
    QAction* eselect;
    QAction* delall;
    QMenu* Config;
    QAction* Switchclick;
    QAction* Altop;
    QAction* Indo;
    QAction* Mtray;
    QAction* startup;
    QMenu* Tool;
    QAction* Wizard;
    QAction* cal;
    QAction* Opties;
    QMenu* Help;
    QAction* Help2;
    QAction* help1;
    QAction* urllaunch;
    QAction* Donate;
    QAction* About;

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
    // The frames drawn around the image buttons, in pixels.
    const std::vector<std::pair<QRectF, bool>>& ImageFrames() const { return frames_; }

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
    void ClearDrawing() override;
    void CentreWindow() override;
    void LanguageApplied() override { FitListCaption(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class PanelSurface;

    void BuildPanel();
    void BuildMenus();
    void ConnectPanel();
    void ConnectMenus();
    QLineEdit* ActiveField() const;
    void ecopy_Click();
    void ecut_Click();
    void Delete_Click();
    void epaste_Click();
    void eselect_Click();
    void delall_Click();
    void FieldClicked(QLineEdit* field);
    void About_Click();
    // Lets the menu's shortcuts act on a field instead of the field's own keys.
    // Del stays the field's own: with a selection it does what the Delete item
    // does, and without one it must still delete the next character.
    static bool IsEditShortcut(const QKeyEvent* key);
    bool ListKey(QComboBox* list, QKeyEvent* key, bool dropDown);
    bool FieldKeyEvent(int field, QKeyEvent* key);
    void ImageButtonDown(ImageButton* image);
    void ImageButtonUp(ImageButton* image, bool inside);
    void ImageButtonHover(ImageButton* image);
    void EraseImageFrames();
    // The pointer over the background or Label7: frames go once per hover.
    void ClearImageFrames();
    void AddImageFrame(const QRect& image, bool sunken);

    MainWindowServices s_;
    ConversionPanel panel_;
    std::unique_ptr<tray1> tray_;
    MainLifecycle lifecycle_;
    ConfigMenu config_;
    MainOwnerWindows owners_;
    QPointer<frmAbout> about_;
    PanelSurface* surface_ = nullptr;
    std::vector<std::pair<QRectF, bool>> frames_; // rectangle, sunken
    bool hoverCleared_ = false;
    QPoint savedImagePosition_;
    std::optional<bool> topmostWanted_;
};

} // namespace ombrix

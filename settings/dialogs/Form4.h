#pragma once
// The conversion properties dialog: one catalogue entry's file, name and
// default mark, for the options dialog that opened it and that it blocks
// while open. It hosts the editor window for the entry's file.

#include "editor/rules/EditorHost.h"
#include "guikit/Sysmsgbox.h"
#include "settings/dialogs/DialogServices.h"
#include "settings/dialogs/rules/PropertiesRules.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ombrix {

class Form4 : public QWidget, public EditorHost, private PropertiesView {
    Q_OBJECT
public:
    // Builds the window for `options`' SelectedEntry and AddingEntry and runs its load.
    Form4(DialogServices services, OptionsRules& options, QWidget* owner);
    ~Form4() override;

    PropertiesRules& Rules() { return rules_; }
    // The one-line message box while it is open.
    Sysmsgbox* MessageBox() const { return notice_; }

    // EditorHost.
    std::string FileField() const override;
    void SetFileField(const std::string& path) override;
    void SetNameField(const std::string& title) override;
    void DisableEditButton() override;
    void SetHostEnabled(bool enabled) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // PropertiesView.
    std::string FileText() const override { return FileField(); }
    void SetFileText(const std::string& text) override { SetFileField(text); }
    std::string NameText() const override;
    void SetNameText(const std::string& text) override { SetNameField(text); }
    void SetDefaultBox(bool checked, bool enabled) override;
    void SetDeleteEnabled(bool enabled) override;
    void SetEditEnabled(bool enabled) override;
    void Notice(const std::string& text) override;
    void CloseWindow() override;

    DialogServices s_;
    PropertiesRules rules_;
    QPointer<Sysmsgbox> notice_;
    bool closing_ = false; // closed by the rules: no Cancel

    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
};

} // namespace ombrix

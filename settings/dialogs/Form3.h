#pragma once
// The options dialog: the language file and the catalogue's entries, with
// Add, Properties, Sort, Ok, Cancel and Apply. Shown without waiting; it
// disables the main window while it is open. Its rules decide everything.

#include "settings/dialogs/DialogServices.h"
#include "settings/dialogs/rules/OptionsRules.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ombrix {

class Form4;

class Form3 : public QWidget, private OptionsView {
    Q_OBJECT
public:
    // Builds the window and runs its load; check Ending() before showing it.
    explicit Form3(DialogServices services);
    ~Form3() override;

    OptionsRules& Rules() { return rules_; }
    bool Ending() const { return rules_.Ending(); }
    // The properties dialog while it is open.
    Form4* Properties() const { return properties_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // OptionsView.
    void ShowList(const std::vector<std::string>& items) override;
    void SelectListItem(int index) override;
    void SetListText(const std::string& text) override;
    std::string LanguageText() const override;
    void SetLanguageText(const std::string& text) override;
    bool ApplyEnabled() const override;
    void SetApplyEnabled(bool enabled) override;
    void SetPropertiesEnabled(bool enabled) override;
    void BringToFront() override;
    void OpenProperties() override;
    void CloseWindow() override;

    DialogServices s_;
    OptionsRules rules_;
    QPointer<Form4> properties_;
    bool closing_ = false; // closed by the rules: no Cancel

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
};

} // namespace ombrix

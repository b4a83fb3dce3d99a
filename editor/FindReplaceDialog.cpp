#include "editor/FindReplaceDialog.h"

#include "editor/rules/FindRules.h"
#include "platform/qt/Win1252.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ombrix {

namespace {

// The find and replace buffers hold 255 characters and their terminator.
constexpr int BufferCharacters = 255;

QString Cut(const std::string& text) {
    return platform::FromWin1252(text).left(BufferCharacters);
}

} // namespace

FindReplaceDialog::FindReplaceDialog(QWidget* owner, bool replace, std::uint32_t flags,
                                     const std::string& find, const std::string& replacement)
    : QDialog(owner), replace_(replace) {
    setObjectName(replace ? QStringLiteral("ReplaceDialog") : QStringLiteral("FindDialog"));
    setWindowTitle(replace ? tr("Replace") : tr("Find"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* fields = new QGridLayout;
    findWhat = new QLineEdit(Cut(find), this);
    findWhat->setObjectName(QStringLiteral("findWhat"));
    findWhat->setMaxLength(BufferCharacters);
    auto* findLabel = new QLabel(tr("Fi&nd what:"), this);
    findLabel->setBuddy(findWhat);
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(findWhat, 0, 1);
    if (replace) {
        replaceWith = new QLineEdit(Cut(replacement), this);
        replaceWith->setObjectName(QStringLiteral("replaceWith"));
        replaceWith->setMaxLength(BufferCharacters);
        auto* replaceLabel = new QLabel(tr("Re&place with:"), this);
        replaceLabel->setBuddy(replaceWith);
        fields->addWidget(replaceLabel, 1, 0);
        fields->addWidget(replaceWith, 1, 1);
    }
    wholeWord = new QCheckBox(tr("Match &whole word only"), this);
    wholeWord->setObjectName(QStringLiteral("wholeWord"));
    wholeWord->setChecked((flags & FindFlag::WholeWord) != 0);
    matchCase = new QCheckBox(tr("Match &case"), this);
    matchCase->setObjectName(QStringLiteral("matchCase"));
    matchCase->setChecked((flags & FindFlag::MatchCase) != 0);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    auto* options = new QHBoxLayout;
    auto* checks = new QVBoxLayout;
    checks->addWidget(wholeWord);
    checks->addWidget(matchCase);
    options->addLayout(checks);
    if (!replace) {
        auto* direction = new QGroupBox(tr("Direction"), this);
        up = new QRadioButton(tr("&Up"), direction);
        up->setObjectName(QStringLiteral("up"));
        down = new QRadioButton(tr("&Down"), direction);
        down->setObjectName(QStringLiteral("down"));
        ((flags & FindFlag::Down) != 0 ? down : up)->setChecked(true);
        auto* row = new QHBoxLayout(direction);
        row->addWidget(up);
        row->addWidget(down);
        options->addWidget(direction);
    }
    left->addLayout(options);
    left->addStretch();

    auto* buttons = new QVBoxLayout;
    auto addButton = [&](QPushButton*& button, const QString& name, const QString& caption) {
        button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        buttons->addWidget(button);
    };
    addButton(findNext, QStringLiteral("findNext"), tr("&Find Next"));
    findNext->setDefault(true);
    if (replace) {
        addButton(replaceOne, QStringLiteral("replace"), tr("&Replace"));
        addButton(replaceAll, QStringLiteral("replaceAll"), tr("Replace &All"));
    }
    addButton(cancel, QStringLiteral("cancel"), tr("Cancel"));
    if ((flags & FindFlag::ShowHelp) != 0) {
        addButton(helpButton, QStringLiteral("help"), tr("&Help"));
        connect(helpButton, &QPushButton::clicked, this, &FindReplaceDialog::HelpRequested);
    }
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(findNext, &QPushButton::clicked, this, [this] { Report(FindFlag::FindNext); });
    if (replace) {
        connect(replaceOne, &QPushButton::clicked, this, [this] { Report(FindFlag::Replace); });
        connect(replaceAll, &QPushButton::clicked, this, [this] { Report(FindFlag::ReplaceAll); });
    }
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto enableButtons = [this] {
        const bool any = !findWhat->text().isEmpty();
        findNext->setEnabled(any);
        if (replaceOne != nullptr) {
            replaceOne->setEnabled(any);
            replaceAll->setEnabled(any);
        }
    };
    connect(findWhat, &QLineEdit::textChanged, this, enableButtons);
    enableButtons();
    findWhat->selectAll();
    findWhat->setFocus();
}

std::uint32_t FindReplaceDialog::Flags() const {
    std::uint32_t flags = helpButton != nullptr ? FindFlag::ShowHelp : 0;
    if (wholeWord->isChecked()) {
        flags |= FindFlag::WholeWord;
    }
    if (matchCase->isChecked()) {
        flags |= FindFlag::MatchCase;
    }
    // The replace dialog has no direction: it always searches down.
    if (down == nullptr || down->isChecked()) {
        flags |= FindFlag::Down;
    }
    return flags;
}

void FindReplaceDialog::Report(std::uint32_t button) {
    const std::string find = platform::ToWin1252(findWhat->text());
    const std::string replacement =
        replaceWith != nullptr ? platform::ToWin1252(replaceWith->text()) : std::string();
    emit Notified(find, replacement, Flags() | button);
}

void FindReplaceDialog::done(int result) {
    if (!closed_) {
        closed_ = true;
        Report(FindFlag::DialogTerm);
    }
    QDialog::done(result);
}

bool FindDialogSlot::Take(FindReplaceDialog* dialog) {
    if (Open()) {
        return false;
    }
    dialog_ = dialog;
    return true;
}

} // namespace ombrix

#include "calculator/standard.h"

#include "platform/qt/QtServices.h"
#include "platform/qt/Win1252.h"
#include "settings/WindowTextTables.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace ombrix {

namespace {

// The keypad's grid, in pixels: six columns of keys, a row of memory keys
// above four rows of number and operator keys.
constexpr int KeyWidth = 44;
constexpr int KeyHeight = 28;
constexpr int Gap = 4;
constexpr int Margin = 6;
constexpr int Columns = 6;
constexpr int MemoryRowGap = 8; // sets the memory row apart from the keys below
constexpr int MemoryCaptionWidth = 38;
constexpr int FrameWidth = 2 * Margin + Columns * KeyWidth + (Columns - 1) * Gap;
constexpr int FrameHeight = 2 * Margin + 5 * KeyHeight + 4 * Gap + MemoryRowGap;

int KeyX(int column) {
    return Margin + column * (KeyWidth + Gap);
}

int KeyY(int row) {
    return Margin + row * (KeyHeight + Gap) + (row > 0 ? MemoryRowGap : 0);
}

} // namespace

standard::standard(StandardServices services)
    : s_(services), keys_({s_.host, s_.numbers, s_.messages, s_.texts, s_.beeper, s_.clipboard}) {
    setObjectName(QStringLiteral("standard"));
    setWindowTitle(QStringLiteral("Calculcator"));
    setAttribute(Qt::WA_DeleteOnClose);

    edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("edit"));
    eexit = edit->addAction(QStringLiteral("&Exit"));
    eexit->setObjectName(QStringLiteral("eexit"));
    connect(eexit, &QAction::triggered, this, &QWidget::close);

    auto* surface = new QWidget(this);
    surface->setObjectName(QStringLiteral("surface"));
    setCentralWidget(surface);
    Frame1 = new QFrame(surface);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setGeometry(Margin, Margin, FrameWidth, FrameHeight);
    BuildKeys();
    Convert = new QPushButton(QStringLiteral("Convert"), surface);
    Convert->setObjectName(QStringLiteral("Convert"));
    Convert->setFocusPolicy(Qt::TabFocus);
    Convert->setGeometry(Margin, 2 * Margin + FrameHeight, FrameWidth, KeyHeight + 2);
    connect(Convert, &QPushButton::clicked, this,
            [this] { Press([this] { keys_.Convert_Click(); }); });
    surface->setFixedSize(FrameWidth + 2 * Margin, 3 * Margin + FrameHeight + KeyHeight + 2);

    // A keypad has one size.
    adjustSize();
    setFixedSize(size());

    // The load.
    s_.language.ApplyTexts(CalculatorWindow);
    Command1[Keypad::DecimalKey]->setText(platform::FromWin1252(keys_.DecimalSeparator()));
    platform::SetTopmost(*this, s_.host.AlwaysOnTop());
    keys_.Load();
    Memorystatus->setText(platform::FromWin1252(keys_.MemoryStatus()));
}

QPushButton* standard::MakeKey(const QString& name, const QString& caption, int column, int row,
                               int columns, int rows) {
    auto* key = new QPushButton(caption, Frame1);
    key->setObjectName(name);
    // Typed characters reach the window, not a key that took the focus by a click.
    key->setFocusPolicy(Qt::TabFocus);
    key->setGeometry(KeyX(column), KeyY(row), columns * KeyWidth + (columns - 1) * Gap,
                     rows * KeyHeight + (rows - 1) * Gap);
    return key;
}

void standard::BuildKeys() {
    const auto indexed = [](const char* array, int index) {
        return QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index);
    };

    // Memory keys in a row, with the status box after them.
    struct Place {
        int index;
        const char* caption;
        int column;
    };
    for (const Place& p :
         {Place{5, "MC", 0}, Place{4, "MR", 1}, Place{1, "MS", 2}, Place{0, "M +", 3}}) {
        Command7[static_cast<std::size_t>(p.index)] =
            MakeKey(indexed("Command7", p.index), QString::fromLatin1(p.caption), p.column, 0);
        connect(Command7[static_cast<std::size_t>(p.index)], &QPushButton::clicked, this,
                [this, i = p.index] { Press([this, i] { keys_.Command7_Click(i); }); });
    }
    Memory = new QLabel(QStringLiteral("Mem:"), Frame1);
    Memory->setObjectName(QStringLiteral("Memory"));
    Memory->setGeometry(KeyX(4), KeyY(0), MemoryCaptionWidth, KeyHeight);
    Memorystatus = new QLineEdit(QStringLiteral("0"), Frame1);
    Memorystatus->setObjectName(QStringLiteral("Memorystatus"));
    Memorystatus->setReadOnly(true);
    Memorystatus->setFocusPolicy(Qt::NoFocus);
    Memorystatus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Memorystatus->setGeometry(KeyX(4) + MemoryCaptionWidth, KeyY(0),
                              2 * KeyWidth + Gap - MemoryCaptionWidth, KeyHeight);

    // Digits 7 8 9 / 4 5 6 / 1 2 3 with 0 and the decimal key below.
    for (int digit = 1; digit <= 9; ++digit) {
        Command1[static_cast<std::size_t>(digit)] =
            MakeKey(indexed("Command1", digit), QString::number(digit), (digit - 1) % 3,
                    1 + (9 - digit) / 3);
    }
    Command1[0] = MakeKey(indexed("Command1", 0), QStringLiteral("0"), 0, 4, 2);
    Command1[Keypad::DecimalKey] =
        MakeKey(indexed("Command1", Keypad::DecimalKey), QStringLiteral(","), 2, 4);
    for (int i = 0; i <= Keypad::DecimalKey; ++i) {
        connect(Command1[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { Press([this, i] { keys_.Command1_Click(i); }); });
    }

    // The four arithmetic operators in a column, the others beside them,
    // the clear keys and "=" at the right.
    struct Operator {
        const char* caption;
        int column;
        int row;
        int rows;
    };
    static constexpr std::array<Operator, 9> Operators{{
        {"+", 3, 4, 1},
        {"--", 3, 3, 1},
        {"/", 3, 1, 1},
        {"*", 3, 2, 1},
        {"=", 5, 3, 2},
        {"%", 4, 2, 1},
        {"-/+", 4, 4, 1},
        {"1/x", 4, 3, 1},
        {"sqrt", 4, 1, 1},
    }};
    for (int i = 0; i < static_cast<int>(Operators.size()); ++i) {
        const Operator& o = Operators[static_cast<std::size_t>(i)];
        Command2[static_cast<std::size_t>(i)] = MakeKey(
            indexed("Command2", i), QString::fromLatin1(o.caption), o.column, o.row, 1, o.rows);
        connect(Command2[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { Press([this, i] { keys_.Command2_Click(i); }); });
    }
    Command3 = MakeKey(QStringLiteral("Command3"), QStringLiteral("C"), 5, 1);
    connect(Command3, &QPushButton::clicked, this,
            [this] { Press([this] { keys_.Command3_Click(); }); });
    Command4 = MakeKey(QStringLiteral("Command4"), QStringLiteral("CE"), 5, 2);
    connect(Command4, &QPushButton::clicked, this,
            [this] { Press([this] { keys_.Command4_Click(); }); });
}

template <typename Rule> void standard::Press(Rule rule) {
    rule();
    Memorystatus->setText(platform::FromWin1252(keys_.MemoryStatus()));
}

void standard::ShowWindow() {
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
}

void standard::SetTopmost(bool on) {
    platform::SetTopmost(*this, on);
}

void standard::ReloadTexts() {
    s_.language.ApplyTexts(CalculatorWindow);
}

void standard::ApplyTopmostRule() {
    const bool on = s_.host.AlwaysOnTop();
    // Only a change: making the window topmost activates it again.
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != on) {
        platform::SetTopmost(*this, on);
    }
}

void standard::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() == 1 && text[0].unicode() < 0x80 &&
        keys_.KeyPress(static_cast<char>(text[0].unicode()))) {
        Memorystatus->setText(platform::FromWin1252(keys_.MemoryStatus()));
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void standard::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        ReloadTexts();
        ApplyTopmostRule();
    }
}

void standard::closeEvent(QCloseEvent* event) {
    closed_ = true;
    keys_.Unload();
    event->accept();
}

} // namespace ombrix

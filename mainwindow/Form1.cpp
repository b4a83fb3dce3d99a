#include "mainwindow/Form1.h"

#include "guikit/ListTypeAhead.h"
#include "guikit/Twips.h"
#include "guikit/rules/HelpLauncher.h"
#include "mainwindow/FieldEditActions.h"
#include "mainwindow/ImageButtonStrip.h"
#include "mainwindow/PanelSurface.h"
#include "mainwindow/rules/Knipname.h"
#include "mainwindow/tray1.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/TaskBar.h"
#include "platform/qt/Win1252.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>

namespace ombrix {

using platform::FromWin1252;
using platform::QtFileName;
using platform::ToWin1252;

namespace {

constexpr int LabelHeight = 255;
constexpr int ClientWidth = 5160;
constexpr int ClientHeight = 2970;
const QRect ListGeometry = Twips(2520, 120, 2415, 315);
const QRect DigitchekGeometry = Twips(120, 2400, 1935, 375);
const QRect Check1Geometry = Twips(2640, 2400, 1575, 375);
const QRect Combo2Geometry = Twips(4200, 2400, 615, 315);

template <typename W> W* Control(QWidget* parent, const char* name, const QRect& geometry) {
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& geometry, const char* text) {
    auto* label = Control<QLabel>(parent, name, geometry);
    label->setText(QString::fromLatin1(text));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// Whether a line shows `text` whole, whatever the caret's place.
bool FitsIn(const QLineEdit& line, const QString& text) {
    constexpr int Padding = 6; // the frame and text margins of a line
    return line.fontMetrics().horizontalAdvance(text) + Padding <= line.width();
}

QComboBox* MakeList(QWidget* parent, const char* name, const QRect& geometry) {
    auto* list = Control<QComboBox>(parent, name, geometry);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    return list;
}

} // namespace

Form1::Form1(MainWindowServices services)
    : s_(std::move(services)),
      panel_({s_.conversion, s_.catalogue, s_.registry, s_.flags, *this, s_.dialogs, s_.tools,
              s_.tray, s_.messages, s_.texts, s_.folders}),
      tray_(std::make_unique<tray1>(
          TrayServices{s_.flags, s_.registry, *this, s_.tools, s_.tray}, [this] { close(); },
          [] { QApplication::exit(0); })),
      lifecycle_({s_.registry, s_.settings, s_.catalogue, panel_, s_.flags, *this, s_.dialogs,
                  s_.tools, s_.tray, *tray_, s_.channel, s_.runCommand, s_.folders.data}),
      config_({s_.flags, s_.registry, *this, s_.tools, s_.tray, s_.runCommand}),
      owners_(s_.flags, *this, s_.tools) {
    setObjectName(QStringLiteral("Form1"));
    // The window has a fixed size: a maximize button would do nothing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Quavomat Euro Edition"));
    BuildPanel();
    menus_ = new MainMenuBar(*menuBar(), MenuHandlers());
    editActions_ =
        new FieldEditActions(menus_->EditMenu(), {Text1, Text2, Option1, Option2}, s_.clipboard);
    images_ = new ImageButtonStrip(*surface_, QtFileName(s_.folders.program) + "/icons/",
                                   menus_->ImageItems());
    surface_->OnPointerOverBackground([this] { images_->ClearFrames(); });
    ConnectPanel();
    // The panel's layout is fixed, so is the window's size.
    adjustSize();
    setFixedSize(size());
}

Form1::~Form1() = default;

void Form1::BuildPanel() {
    surface_ = new PanelSurface(this);
    surface_->setObjectName(QStringLiteral("surface"));
    surface_->setFixedSize(Px(ClientWidth), Px(ClientHeight));
    setCentralWidget(surface_);
    // The layout is fixed in twips, so the text size is fixed to fit it.
    QFont font = surface_->font();
    font.setPixelSize(11);
    surface_->setFont(font);

    Label7 = MakeLabel(surface_, "Label7", Twips(1680, 150, 1095, 255), "Location:");
    Label7->setMouseTracking(true);
    Label7->installEventFilter(this);
    Combo1 = MakeList(surface_, "Combo1", ListGeometry);
    Combo1->setMaxVisibleItems(16);

    Label3 = MakeLabel(surface_, "Label3", Twips(1080, 720, 2895, LabelHeight), "");
    Option1 = Control<QRadioButton>(surface_, "Option1", Twips(120, 1080, 255, 255));
    Label1 = MakeLabel(surface_, "Label1", Twips(480, 1080, 495, LabelHeight), "");
    Text1 = Control<QLineEdit>(surface_, "Text1", Twips(1080, 1080, 2895, 285));
    Label5 = MakeLabel(surface_, "Label5", Twips(4080, 1080, 735, LabelHeight), "");
    Label4 = MakeLabel(surface_, "Label4", Twips(1080, 1560, 2895, LabelHeight), "");
    Option2 = Control<QRadioButton>(surface_, "Option2", Twips(120, 1920, 255, 255));
    Label2 = MakeLabel(surface_, "Label2", Twips(480, 1920, 615, LabelHeight), "");
    Text2 = Control<QLineEdit>(surface_, "Text2", Twips(1080, 1920, 2895, 285));
    Label6 = MakeLabel(surface_, "Label6", Twips(4080, 1920, 735, LabelHeight), "");
    Option1->setChecked(true);
    auto* options = new QButtonGroup(surface_);
    options->addButton(Option1);
    options->addButton(Option2);

    Digitchek = Control<QCheckBox>(surface_, "Digitchek", DigitchekGeometry);
    Digitchek->setText(QStringLiteral("Digit"));
    Check1 = Control<QCheckBox>(surface_, "Check1", Check1Geometry);
    Check1->setText(QStringLiteral("Check1"));
    Combo2 = MakeList(surface_, "Combo2", Combo2Geometry);
    for (int i = 0; i <= 11; ++i) {
        Combo2->addItem(QString::number(i));
    }
    Combo2->setCurrentIndex(-1);

    setTabOrder(Text1, Text2);
    Text1->installEventFilter(this);
    Text2->installEventFilter(this);
    Text1->setFocus();
}

MainMenuHandlers Form1::MenuHandlers() {
    ShellOpener& shell = s_.shell;
    const LinkTargets& links = s_.links;
    return {
        .openConversion = [this] { OpenConversion(); },
        .exit = [this] { close(); },
        .switchSides = [this] { panel_.Switchclick(); },
        .alwaysOnTop = [this] { config_.Altop_Click(); },
        .intro = [this] { config_.Indo_Click(); },
        .tray = [this] { tray_->Rules().Mtray_Click(); },
        .startup = [this] { config_.startup_Click(); },
        .wizard = [this] { s_.tools.wizard.Show(); },
        .calculator = [this] { s_.tools.calculator.Show(); },
        .options = [this] { s_.dialogs.ShowOptions(); },
        .help = [this, &shell, &links] { ShowHelp(links.HelpTarget, s_.folders.program, shell); },
        // An address needs no working folder.
        .bugReports = [&shell, &links] { shell.Open(BugReportText(links.BugReportTarget), {}); },
        .webLink = [&shell, &links] { shell.Open(links.WebLinkTarget, {}); },
        .donate = [&shell, &links] { shell.Open(links.DonateTarget, {}); },
        .about = [this] { About_Click(); },
    };
}

void Form1::ConnectPanel() {
    new ListTypeAhead(*Combo1, s_.beeper, {.dropsDown = true, .selectsOnFocus = true},
                      [this](int index) { panel_.Combo1_Click(static_cast<std::int16_t>(index)); });
    new ListTypeAhead(*Combo2, s_.beeper, {}, [this](int index) { panel_.Combo2_Click(index); });
    connect(Combo1, &QComboBox::activated, this,
            [this](int index) { panel_.Combo1_Click(static_cast<std::int16_t>(index)); });
    connect(Combo2, &QComboBox::activated, this, [this](int index) { panel_.Combo2_Click(index); });
    connect(Check1, &QCheckBox::clicked, this, [this](bool on) { panel_.Check1_Click(on); });
    connect(Digitchek, &QCheckBox::clicked, this, [this](bool on) { panel_.Digitchek_Click(on); });
}

void Form1::FitListCaption() {
    // The designed place suits short captions in a narrow font; a longer one
    // moves the list's left edge, never its right, so the caption stays readable.
    constexpr int Gap = 4;
    constexpr int NarrowestList = 120;
    const int captionEnd =
        Label7->x() + Label7->fontMetrics().horizontalAdvance(Label7->text()) + Gap;
    const int left =
        std::clamp(captionEnd, ListGeometry.left(), ListGeometry.right() + 1 - NarrowestList);
    Combo1->setGeometry(left, ListGeometry.top(), ListGeometry.right() + 1 - left,
                        ListGeometry.height());
}

void Form1::FitFormatCaptions() {
    const auto fit = [](QCheckBox& box, const QRect& designed, int shift) {
        const int width = std::max(designed.width(), box.sizeHint().width());
        box.setGeometry(designed.x() + shift, designed.y(), width, designed.height());
        return shift + width - designed.width(); // how far what follows must move
    };
    int shift = fit(*Digitchek, DigitchekGeometry, 0);
    shift = fit(*Check1, Check1Geometry, shift);
    Combo2->move(Combo2Geometry.x() + shift, Combo2Geometry.y());
    surface_->setFixedSize(Px(ClientWidth) + shift, Px(ClientHeight));
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    adjustSize();
    setFixedSize(size());
}

StartupOutcome Form1::Start(const std::string& commandLine) {
    const StartupOutcome outcome = lifecycle_.Startup(commandLine);
    if (outcome == StartupOutcome::Shown) {
        show();
    }
    return outcome;
}

void Form1::OpenConversion() {
    const bool onTop = menus_->Item(MenuItem::AlwaysOnTop).isChecked();
    if (onTop) {
        SetTopmost(false);
    }
    const std::string chosen = s_.fileDialogs.ShowOpenDialog("Open", "nod files|*.nod", "*.nod");
    if (onTop) {
        SetTopmost(true);
    }
    if (!chosen.empty()) {
        lifecycle_.SUBCOMMAND(Knipname(chosen));
    }
}

void Form1::About_Click() {
    if (about_ != nullptr) {
        about_->raise();
        about_->activateWindow();
        return;
    }
    about_ = new frmAbout({owners_, s_.language, s_.registry, s_.starter, s_.messages, "Quavomat"},
                          false);
    about_->show();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (lifecycle_.CloseRequested(false) == CloseDecision::Hide) {
        event->ignore();
        return;
    }
    event->accept();
    // Every other window goes with the main window, the last opened first.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (*it != this && (*it)->isWindow()) {
            (*it)->close();
        }
    }
    QApplication::exit(0);
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // The options dialog keeps its owner disabled until it closes: its
        // list, not the main window's, is the catalogue meanwhile.
        if (!s_.flags.OptionsOpen) {
            setEnabled(true);
        }
        lifecycle_.Activated();
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label7 && event->type() == QEvent::MouseMove) {
        images_->ClearFrames();
        return false;
    }
    if (watched != Text1 && watched != Text2) {
        return QMainWindow::eventFilter(watched, event);
    }
    const int field = watched == Text1 ? 1 : 2;
    switch (event->type()) {
    case QEvent::FocusIn:
        SetActiveOption(field);
        return false;
    case QEvent::MouseButtonRelease:
        editActions_->FieldClicked(*Field(field));
        return false;
    case QEvent::ShortcutOverride:
        // Left unaccepted, the key goes to the Edit menu's item.
        return FieldEditActions::IsEditShortcut(static_cast<QKeyEvent&>(*event));
    case QEvent::KeyPress: {
        // An edit key whose menu item is disabled does nothing.
        const auto& key = static_cast<QKeyEvent&>(*event);
        return FieldEditActions::IsEditShortcut(key) || FieldKeyEvent(field, key);
    }
    default:
        return false;
    }
}

bool Form1::FieldKeyEvent(int field, const QKeyEvent& key) {
    panel_.FieldKey(field);
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        panel_.ConvertField(field);
        return true;
    }
    return false;
}

void Form1::CentreWindow() {
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QSize size = frameGeometry().size();
    move(area.width() / 2 - size.width() / 2,
         static_cast<int>(area.height() * 0.85 / 2) - size.height() / 2);
}

// MainView: the controls as the panel and lifecycle rules see them.

std::string Form1::Caption() const {
    return ToWin1252(windowTitle());
}

void Form1::SetCaption(const std::string& caption) {
    setWindowTitle(FromWin1252(caption));
}

void Form1::SetLabels(const PanelLabels& labels) {
    Label1->setText(FromWin1252(labels.label1));
    Label2->setText(FromWin1252(labels.label2));
    Label3->setText(FromWin1252(labels.label3));
    Label4->setText(FromWin1252(labels.label4));
    Label5->setText(FromWin1252(labels.label5));
    Label6->setText(FromWin1252(labels.label6));
}

void Form1::ClearList() {
    Combo1->clear();
    widestListEntry_ = 0;
    Combo1->view()->setMinimumWidth(0);
}

void Form1::AddListItem(const std::string& name) {
    const QString entry = FromWin1252(name);
    Combo1->addItem(entry);
    // The drop-down part shows the longest entry whole, however narrow the list.
    constexpr int Margins = 32; // frame, item padding and the scroll bar
    const int width = Combo1->view()->fontMetrics().horizontalAdvance(entry) + Margins;
    if (width > widestListEntry_) {
        widestListEntry_ = width;
        Combo1->view()->setMinimumWidth(width);
    }
}

void Form1::ShowStartOfListText() {
    // A long title shows its beginning, where titles differ.
    QLineEdit* line = Combo1->lineEdit();
    if (!FitsIn(*line, line->text())) {
        line->setCursorPosition(0);
    }
}

void Form1::RemoveListItem(std::int16_t index) {
    const QString text = Combo1->lineEdit()->text();
    const bool wasSelected = Combo1->currentIndex() == index;
    Combo1->removeItem(index);
    if (wasSelected) {
        Combo1->setCurrentIndex(-1);
        Combo1->lineEdit()->setText(text);
    }
}

void Form1::SelectListItem(std::int16_t index) {
    Combo1->setCurrentIndex(index);
    ShowStartOfListText();
}

std::int16_t Form1::ListSelection() const {
    return static_cast<std::int16_t>(Combo1->currentIndex());
}

void Form1::SetListText(const std::string& text) {
    Combo1->lineEdit()->setText(FromWin1252(text));
    ShowStartOfListText();
}

std::string Form1::FieldText(int field) const {
    return ToWin1252(Field(field)->text());
}

void Form1::SetFieldText(int field, const std::string& text) {
    QLineEdit* shown = Field(field);
    shown->setText(FromWin1252(text));
    // A value too long for the field shows its first digits, unless the user
    // is typing there; one that fits keeps the caret at its end for typing on.
    if (!shown->hasFocus() && !FitsIn(*shown, shown->text())) {
        shown->setCursorPosition(0);
    }
}

void Form1::SetActiveOption(int field) {
    (field == 1 ? Option1 : Option2)->setChecked(true);
}

int Form1::ActiveOption() const {
    return Option2->isChecked() ? 2 : 1;
}

void Form1::SetFormatControlsEnabled(bool check1, bool digitchek, bool combo2) {
    Check1->setEnabled(check1);
    Digitchek->setEnabled(digitchek);
    Combo2->setEnabled(combo2);
}

void Form1::SetDecimalsEnabled(bool enabled) {
    Combo2->setEnabled(enabled);
}

bool Form1::PrecisionChecked() const {
    return Check1->isChecked();
}

void Form1::SetPrecisionChecked(bool checked) {
    Check1->setChecked(checked);
}

void Form1::SetDigitChecked(bool checked) {
    Digitchek->setChecked(checked);
}

void Form1::SelectDecimals(int index) {
    Combo2->setCurrentIndex(index);
}

int Form1::SelectedDecimals() const {
    return Combo2->currentIndex();
}

bool Form1::MenuChecked(MenuItem item) const {
    return menus_->Item(item).isChecked();
}

void Form1::SetMenuChecked(MenuItem item, bool checked) {
    menus_->Item(item).setChecked(checked);
}

void Form1::SetMenuEnabled(MenuItem item, bool enabled) {
    menus_->Item(item).setEnabled(enabled);
}

void Form1::ShowWindow() {
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
}

void Form1::HideWindow() {
    hide();
}

bool Form1::WindowVisible() const {
    return isVisible();
}

bool Form1::WindowEnabled() const {
    return isEnabled();
}

void Form1::SetWindowEnabled(bool enabled) {
    setEnabled(enabled);
}

void Form1::SetTopmost(bool on) {
    platform::SetTopmost(*this, on);
}

void Form1::SetOnTaskBar(bool on) {
    onTaskBar_ = on;
    platform::SetOnTaskBar(*this, on);
}

void Form1::showEvent(QShowEvent* event) {
    // The window manager forgets the state while the window is hidden.
    if (!onTaskBar_) {
        platform::SetOnTaskBar(*this, false);
    }
    QMainWindow::showEvent(event);
}

void Form1::ClearDrawing() {
    images_->EraseFrames();
}

} // namespace ombrix

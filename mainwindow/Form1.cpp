#include "mainwindow/Form1.h"

#include "guikit/ImageButton.h"
#include "guikit/Twips.h"
#include "mainwindow/PanelSurface.h"
#include "mainwindow/tray1.h"
#include "platform/qt/Win1252.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

namespace ombrix {

namespace {

constexpr int LabelHeight = 255;
constexpr int ClientWidth = 5160;
constexpr int ClientHeight = 2970;
const QRect ListGeometry = Twips(2520, 120, 2415, 315);

template <typename W> W* Control(QWidget* parent, const char* name, const QRect& geometry) {
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& geometry, const char* text,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = Control<QLabel>(parent, name, geometry);
    label->setText(QString::fromLatin1(text));
    label->setAlignment(alignment);
    return label;
}

QAction* Item(QMenu* menu, const char* name, const char* caption) {
    auto* action = new QAction(QString::fromLatin1(caption), menu);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    return action;
}

QAction* CheckItem(QMenu* menu, const char* name, const char* caption, bool checked = false) {
    QAction* action = Item(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

} // namespace

Form1::Form1(MainWindowServices services)
    : s_(std::move(services)),
      panel_({s_.conversion, s_.catalogue, s_.registry, s_.flags, *this, s_.dialogs, s_.tools,
              s_.tray, s_.messages, s_.texts, s_.folders.data}),
      tray_(std::make_unique<tray1>(
          TrayServices{s_.flags, s_.registry, *this, s_.tools, s_.tray}, [this] { close(); },
          [] { QApplication::exit(0); })),
      lifecycle_({s_.registry, s_.settings, s_.catalogue, panel_, s_.flags, *this, s_.dialogs,
                  s_.tools, s_.tray, *tray_, s_.channel, s_.runCommand, s_.folders.data}),
      config_({s_.flags, s_.registry, *this, s_.tools, s_.runCommand}),
      owners_(s_.flags, *this, s_.tools) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quavomat Euro Edition"));
    BuildPanel();
    BuildMenus();
    ConnectPanel();
    ConnectMenus();
    // The panel's layout is fixed, so is the window's size.
    adjustSize();
    setFixedSize(size());
}

Form1::~Form1() = default;

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

void Form1::BuildPanel() {
    surface_ = new PanelSurface(*this, this);
    surface_->setObjectName(QStringLiteral("surface"));
    surface_->setFixedSize(Px(ClientWidth), Px(ClientHeight));
    setCentralWidget(surface_);
    // The layout is fixed in twips, so the text size is fixed to fit it.
    QFont font = surface_->font();
    font.setPixelSize(11);
    surface_->setFont(font);

    const QString icons = platform::FromWin1252(s_.folders.program) + "/icons/";
    Image1 = new ImageButton(QStringLiteral("Image1"), icons + "wizard.png", surface_);
    Image1->setGeometry(Twips(240, 120, 405, 405));
    Image2 = new ImageButton(QStringLiteral("Image2"), icons + "calculator.png", surface_);
    Image2->setGeometry(Twips(720, 120, 405, 405));
    Image3 = new ImageButton(QStringLiteral("Image3"), icons + "openfile.png", surface_);
    Image3->setGeometry(Twips(1200, 120, 405, 405));
    Image1->setToolTip(QStringLiteral("WizardExpress"));
    Image2->setToolTip(QStringLiteral("Calculcator"));
    Image3->setToolTip(QStringLiteral("Opties"));

    Label7 = MakeLabel(surface_, "Label7", Twips(1680, 150, 1095, 255), "Location:");
    Label7->setMouseTracking(true);
    Label7->installEventFilter(this);
    Combo1 = Control<QComboBox>(surface_, "Combo1", ListGeometry);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setCompleter(nullptr);
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

    Digitchek = Control<QCheckBox>(surface_, "Digitchek", Twips(120, 2400, 1935, 375));
    Digitchek->setText(QStringLiteral("Digit"));
    Check1 = Control<QCheckBox>(surface_, "Check1", Twips(2640, 2400, 1575, 375));
    Check1->setText(QStringLiteral("Check1"));
    Combo2 = Control<QComboBox>(surface_, "Combo2", Twips(4200, 2400, 615, 315));
    Combo2->setEditable(true);
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    Combo2->setCompleter(nullptr);
    for (int i = 0; i <= 11; ++i) {
        Combo2->addItem(QString::number(i));
    }
    Combo2->setCurrentIndex(-1);

    setTabOrder(Text1, Text2);
    for (QWidget* w :
         {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2),
          static_cast<QWidget*>(Combo1->lineEdit()), static_cast<QWidget*>(Combo1->view()),
          static_cast<QWidget*>(Combo2->lineEdit())}) {
        w->installEventFilter(this);
    }
    Text1->setFocus();
}

void Form1::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto menu = [bar](const char* name, const char* caption) {
        QMenu* m = bar->addMenu(QString::fromLatin1(caption));
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    File = menu("File", "&File");
    openconv = Item(File, "openconv", "Open &Conversion");
    Exit = Item(File, "Exit", "&Exit");

    edit = menu("edit", "&Edit");
    ecut = Item(edit, "ecut", "cut");
    ecut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    ecopy = Item(edit, "ecopy", "copy");
    ecopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    epaste = Item(edit, "epaste", "paste");
    epaste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    Delete = Item(edit, "Delete", "Delete");
    Delete->setShortcut(QKeySequence(Qt::Key_Delete));
    eselect = Item(edit, "eselect", "Select All");
    eselect->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    delall = Item(edit, "delall", "Delete All ");
    delall->setEnabled(false);

    Config = menu("Config", "Config");
    Switchclick = Item(Config, "Switchclick", "Switch");
    Altop = CheckItem(Config, "Altop", "Always on Top");
    Indo = CheckItem(Config, "Indo", "Introducation Option", true);
    Mtray = CheckItem(Config, "Mtray", "Tray");
    startup = CheckItem(Config, "startup", "Startup");

    Tool = menu("Tool", "&Tool");
    Wizard = Item(Tool, "Wizard", "WizardExpress");
    cal = Item(Tool, "cal", "Calculcator");
    Opties = Item(Tool, "Opties", "Opties");

    Help = menu("Help", "&Help");
    Help2 = Item(Help, "Help2", "&Help");
    Help2->setShortcut(QKeySequence(Qt::Key_F1));
    help1 = Item(Help, "help1", "&Bugreports");
    urllaunch = Item(Help, "urllaunch", "www.quavomat.example");
    Donate = Item(Help, "Donate", "Donate us");
    About = Item(Help, "About", "&About");
}

} // namespace ombrix

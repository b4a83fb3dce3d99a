// The main window's events: keys, clicks, the image buttons' frames,
// activation, close, and command lines from the start and from other copies.
#include "mainwindow/Form1.h"

#include "guikit/ImageButton.h"
#include "guikit/rules/TypeAhead.h"
#include "mainwindow/PanelSurface.h"
#include "mainwindow/rules/Knipname.h"
#include "platform/qt/Win1252.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <optional>

namespace ombrix {

using platform::FromWin1252;
using platform::ToWin1252;

namespace {

// 25 twips between an image and its frame; 30 twips of press travel.
constexpr double FrameGap = 25.0 / 15.0;
constexpr int PressTravel = 2;
constexpr int ImageSize = 27; // 400 twips

// What a key event types into a list: nothing for keys without a character,
// else the character as a Windows-1252 byte (unset when the code page lacks it).
struct Typed {
    bool character = false;
    std::optional<char> byte;
};

Typed TypedCharacter(const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {true, KeyEnter};
    case Qt::Key_Escape:
        return {true, KeyEscape};
    case Qt::Key_Backspace:
        return {true, KeyBackspace};
    default:
        break;
    }
    const QString text = key->text();
    if (text.size() != 1 || !text.at(0).isPrint()) {
        return {};
    }
    bool lossless = false;
    const std::string byte = ToWin1252(text, &lossless);
    return {true, lossless ? std::optional<char>(byte.front()) : std::nullopt};
}

} // namespace

void Form1::ConnectPanel() {
    connect(Combo1, &QComboBox::activated, this,
            [this](int index) { panel_.Combo1_Click(static_cast<std::int16_t>(index)); });
    connect(Combo2, &QComboBox::activated, this, [this](int index) { panel_.Combo2_Click(index); });
    connect(Check1, &QCheckBox::clicked, this, [this](bool on) { panel_.Check1_Click(on); });
    connect(Digitchek, &QCheckBox::clicked, this, [this](bool on) { panel_.Digitchek_Click(on); });

    const std::pair<ImageButton*, QAction*> images[] = {
        {Image1, Wizard}, {Image2, cal}, {Image3, openconv}};
    for (auto [image, action] : images) {
        connect(image, &ImageButton::ButtonDown, this, [this, i = image] { ImageButtonDown(i); });
        connect(image, &ImageButton::ButtonUp, this, [this, i = image, a = action](bool inside) {
            ImageButtonUp(i, inside);
            if (inside) {
                a->trigger();
            }
        });
        connect(image, &ImageButton::Hover, this, [this, i = image] { ImageButtonHover(i); });
    }
}

StartupOutcome Form1::Start(const std::string& commandLine) {
    const StartupOutcome outcome = lifecycle_.Startup(commandLine);
    if (outcome == StartupOutcome::Shown) {
        show();
    }
    return outcome;
}

void Form1::OpenConversion() {
    const bool onTop = Altop->isChecked();
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
        setEnabled(true);
        lifecycle_.Activated();
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label7 && event->type() == QEvent::MouseMove) {
        ClearImageFrames();
        return false;
    }
    if (watched == Text1 || watched == Text2) {
        const int field = watched == Text1 ? 1 : 2;
        switch (event->type()) {
        case QEvent::FocusIn:
            SetActiveOption(field);
            return false;
        case QEvent::MouseButtonRelease:
            FieldClicked(static_cast<QLineEdit*>(watched));
            return false;
        case QEvent::ShortcutOverride:
            // Left unaccepted, the key goes to the Edit menu's item.
            return IsEditShortcut(static_cast<QKeyEvent*>(event));
        case QEvent::KeyPress:
            // An edit key whose menu item is disabled does nothing.
            return IsEditShortcut(static_cast<QKeyEvent*>(event)) ||
                   FieldKeyEvent(field, static_cast<QKeyEvent*>(event));
        default:
            return false;
        }
    }
    const bool list1 = watched == Combo1->lineEdit() || watched == Combo1->view();
    const bool list2 = watched == Combo2->lineEdit();
    if (!list1 && !list2) {
        return QMainWindow::eventFilter(watched, event);
    }
    QComboBox* list = list1 ? Combo1 : Combo2;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched == Combo1->lineEdit()) {
            Combo1->lineEdit()->selectAll();
        }
        return false;
    case QEvent::FocusOut:
        if (auto* line = qobject_cast<QLineEdit*>(watched)) {
            line->deselect();
        }
        return false;
    case QEvent::KeyPress:
        return ListKey(list, static_cast<QKeyEvent*>(event), list1);
    default:
        return false;
    }
}

bool Form1::FieldKeyEvent(int field, QKeyEvent* key) {
    panel_.FieldKey(field);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        panel_.ConvertField(field);
        return true;
    }
    return false;
}

bool Form1::ListKey(QComboBox* list, QKeyEvent* key, bool conversionList) {
    QLineEdit* line = list->lineEdit();
    if (key->key() == Qt::Key_Delete) {
        line->clear();
        return true;
    }
    const Typed typed = TypedCharacter(key);
    if (!typed.character) {
        return false; // navigation, Tab and shortcuts keep their usual meaning
    }
    if (!typed.byte) {
        s_.beeper.Beep(); // no entry can hold this character
        return true;
    }
    std::vector<std::string> items;
    for (int i = 0; i < list->count(); ++i) {
        items.push_back(ToWin1252(list->itemText(i)));
    }
    const std::string text = ToWin1252(line->text());
    const auto caret = static_cast<std::size_t>(line->cursorPosition());
    const TypeAheadAction action =
        TypeAhead(items, text, caret, list->currentIndex() >= 0, *typed.byte);
    switch (action.kind) {
    case TypeAheadAction::Kind::SelectWholeText:
        if (list->view()->isVisible()) {
            list->hidePopup();
        }
        line->setCursorPosition(0);
        line->selectAll();
        break;
    case TypeAheadAction::Kind::ClearText:
        if (list->view()->isVisible()) {
            list->hidePopup();
        }
        line->clear();
        break;
    case TypeAheadAction::Kind::NoMatch:
        if (conversionList && !list->view()->isVisible()) {
            list->showPopup();
        }
        s_.beeper.Beep();
        break;
    case TypeAheadAction::Kind::Match: {
        if (conversionList && !list->view()->isVisible()) {
            list->showPopup();
        }
        list->setCurrentIndex(action.index);
        if (conversionList) {
            panel_.Combo1_Click(static_cast<std::int16_t>(action.index));
        } else {
            panel_.Combo2_Click(action.index);
        }
        // The selection may have removed entries; show what the list holds now.
        const QString shown = list->currentText();
        line->setText(shown);
        const int end = static_cast<int>(shown.size());
        const int caretAt = std::min(static_cast<int>(action.caret), end);
        line->setSelection(end, caretAt - end);
        break;
    }
    }
    return true;
}

void Form1::ImageButtonDown(ImageButton* image) {
    EraseImageFrames();
    AddImageFrame(image->geometry(), true);
    savedImagePosition_ = image->pos();
    image->setGeometry(image->x() + PressTravel, image->y() + PressTravel,
                       image->width() - PressTravel, image->height() - PressTravel);
}

void Form1::ImageButtonUp(ImageButton* image, bool /*inside*/) {
    EraseImageFrames();
    image->setGeometry(QRect(savedImagePosition_, QSize(ImageSize, ImageSize)));
    AddImageFrame(image->geometry(), false);
}

void Form1::ImageButtonHover(ImageButton* image) {
    if (hoverCleared_) {
        AddImageFrame(image->geometry(), false);
        hoverCleared_ = false;
    }
}

void Form1::EraseImageFrames() {
    frames_.clear();
    surface_->update();
}

void Form1::ClearImageFrames() {
    if (!hoverCleared_) {
        EraseImageFrames();
        hoverCleared_ = true;
    }
}

void Form1::AddImageFrame(const QRect& image, bool sunken) {
    const QRectF r(image);
    frames_.emplace_back(r.adjusted(-FrameGap, -FrameGap, FrameGap, FrameGap), sunken);
    surface_->update();
}

PanelSurface::PanelSurface(Form1& form, QWidget* parent) : QWidget(parent), form_(form) {
    setMouseTracking(true);
}

void PanelSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    for (const auto& [r, sunken] : form_.ImageFrames()) {
        const QColor topLeft = sunken ? dark : light;
        const QColor bottomRight = sunken ? light : dark;
        painter.setPen(topLeft);
        painter.drawLine(QLineF(r.topLeft(), r.topRight()));
        painter.drawLine(QLineF(r.topLeft(), r.bottomLeft()));
        painter.setPen(bottomRight);
        painter.drawLine(QLineF(r.bottomLeft(), r.bottomRight()));
        painter.drawLine(QLineF(r.bottomRight(), r.topRight()));
    }
}

void PanelSurface::mouseMoveEvent(QMouseEvent*) {
    form_.ClearImageFrames();
}

} // namespace ombrix

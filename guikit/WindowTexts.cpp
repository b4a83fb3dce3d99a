#include "guikit/WindowTexts.h"

#include "guikit/rules/Mnemonics.h"
#include "platform/qt/Win1252.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace ombrix {

namespace {

bool SetCaption(QWidget& window, const QString& name, const QString& text) {
    if (window.objectName() == name) {
        window.setWindowTitle(text);
        return true;
    }
    if (auto* menu = window.findChild<QMenu*>(name)) {
        menu->setTitle(text);
        return true;
    }
    if (auto* action = window.findChild<QAction*>(name)) {
        action->setText(text);
        return true;
    }
    if (auto* label = window.findChild<QLabel*>(name)) {
        label->setText(text);
        return true;
    }
    if (auto* button = window.findChild<QAbstractButton*>(name)) {
        button->setText(text);
        return true;
    }
    if (auto* frame = window.findChild<QGroupBox*>(name)) {
        frame->setTitle(text);
        return true;
    }
    return false;
}

bool SetToolTip(QWidget& window, const QString& name, const std::string& caption) {
    const QString text = platform::FromWin1252(WithoutMnemonics(caption));
    if (auto* widget = window.findChild<QWidget*>(name)) {
        widget->setToolTip(text);
        return true;
    }
    if (auto* action = window.findChild<QAction*>(name)) {
        action->setToolTip(text);
        return true;
    }
    return false;
}

} // namespace

bool ApplyWindowTexts(QWidget& window, const std::vector<ControlText>& texts) {
    bool all = true;
    for (const ControlText& t : texts) {
        const QString name =
            QString::fromLatin1(t.control.data(), static_cast<qsizetype>(t.control.size()));
        const bool done = t.kind == ControlText::Kind::Caption
                              ? SetCaption(window, name, platform::FromWin1252(t.text))
                              : SetToolTip(window, name, t.text);
        all = all && done;
    }
    return all;
}

void ApplyToOpenWindows(const std::vector<WindowText>& loaded) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const std::string owner = window->objectName().toStdString();
        std::vector<ControlText> texts;
        for (const WindowText& t : loaded) {
            if (t.owner != owner) {
                continue;
            }
            if (t.property == TextProperty::Caption || t.property == TextProperty::ToolTip) {
                texts.push_back({t.target,
                                 t.property == TextProperty::Caption ? ControlText::Kind::Caption
                                                                     : ControlText::Kind::ToolTip,
                                 t.text});
            } else if (t.property == TextProperty::Text) {
                // A text the window keeps for later: a property of the window, by its name.
                window->setProperty(t.target.c_str(), platform::FromWin1252(t.text));
            }
        }
        if (!texts.empty()) {
            ApplyWindowTexts(*window, texts);
        }
    }
}

} // namespace ombrix

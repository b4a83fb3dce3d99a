#include "editor/TextBoxAdapter.h"

#include "platform/qt/Win1252.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>

namespace ombrix {

namespace {

// A block's user state: the break after it. -1 (a line made in the box) has none recorded.
constexpr char NoBreak = '0';

int StateOf(char kind) {
    return kind - '0';
}

std::string_view BreakBytes(char kind) {
    switch (kind) {
    case '2':
        return "\n";
    case '3':
        return "\r";
    default:
        return "\r\n";
    }
}

// Text put into the box has its breaks as the box's own line ends.
QString AsLines(const std::string& text) {
    QString lines = platform::FromWin1252(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

QString CodeOf(char16_t c) {
    return QStringLiteral("U+%1").arg(static_cast<unsigned>(c), 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

void TextBoxAdapter::LoadText(const std::string& bytes) {
    std::string display;
    display.reserve(bytes.size());
    std::string breaks;
    std::array<int, 4> counts{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        char kind = 0;
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            kind = '1';
            ++i;
        } else if (c == '\n') {
            kind = '2';
        } else if (c == '\r') {
            kind = '3';
        }
        if (kind != 0) {
            display.push_back('\n');
            breaks.push_back(kind);
            ++counts[static_cast<std::size_t>(kind - '0')];
        } else {
            display.push_back(c);
        }
    }
    breaks.push_back(NoBreak); // the last line
    dominant_ = '1';
    if (counts[2] > counts[1] && counts[2] >= counts[3]) {
        dominant_ = '2';
    } else if (counts[3] > counts[1] && counts[3] > counts[2]) {
        dominant_ = '3';
    }
    // Loads go into an empty box: what it held stays before the file's text.
    const QString before = PlainText();
    std::string oldBreaks = before.isEmpty() ? std::string() : Breaks();
    if (!oldBreaks.empty()) {
        oldBreaks.pop_back(); // the old last line runs into the file's first
    }
    SetLines(before + platform::FromWin1252(display), oldBreaks + breaks);
}

void TextBoxAdapter::ClearText() {
    box_.clear();
}

QString TextBoxAdapter::PlainText() const {
    QString text = box_.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

std::string TextBoxAdapter::Breaks() const {
    std::string breaks;
    breaks.reserve(static_cast<std::size_t>(box_.document()->blockCount()));
    for (QTextBlock block = box_.document()->begin(); block.isValid(); block = block.next()) {
        const int state = block.userState();
        breaks.push_back(state >= 0 && state <= 3 ? static_cast<char>('0' + state) : NoBreak);
    }
    return breaks;
}

std::string TextBoxAdapter::Snapshot() const {
    // The breaks first, then the text as UTF-8: both kept whole, cheaply.
    std::string snapshot = Breaks();
    snapshot.push_back(dominant_);
    snapshot.push_back('|');
    snapshot += PlainText().toUtf8().toStdString();
    return snapshot;
}

void TextBoxAdapter::Restore(const std::string& snapshot) {
    const auto bar = snapshot.find('|');
    if (bar == std::string::npos || bar == 0) {
        SetLines(QString::fromUtf8(snapshot.data(), static_cast<qsizetype>(snapshot.size())), {});
        return;
    }
    dominant_ = snapshot[bar - 1];
    const int caret = box_.textCursor().position();
    SetLines(QString::fromUtf8(snapshot.data() + bar + 1,
                               static_cast<qsizetype>(snapshot.size() - bar - 1)),
             snapshot.substr(0, bar - 1));
    QTextCursor cursor = box_.textCursor();
    cursor.setPosition(std::min(caret, box_.document()->characterCount() - 1));
    box_.setTextCursor(cursor);
}

void TextBoxAdapter::SetLines(const QString& text, const std::string& breaks) {
    box_.setPlainText(text);
    std::size_t i = 0;
    for (QTextBlock block = box_.document()->begin(); block.isValid(); block = block.next(), ++i) {
        block.setUserState(i < breaks.size() ? StateOf(breaks[i]) : -1);
    }
}

FileText TextBoxAdapter::TextForFile() const {
    FileText result;
    int line = 1;
    for (QTextBlock block = box_.document()->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        bool lossless = true;
        result.bytes += platform::ToWin1252(text, &lossless);
        if (!lossless && result.writable) {
            result.writable = false;
            result.badLine = line;
            for (QChar c : text) {
                bool one = true;
                platform::ToWin1252(QString(c), &one);
                if (!one) {
                    result.badCharacter = CodeOf(c.unicode()).toStdString();
                    break;
                }
            }
        }
        if (block.next().isValid()) {
            const int state = block.userState();
            result.bytes +=
                BreakBytes(state >= 1 && state <= 3 ? static_cast<char>('0' + state) : dominant_);
        }
        ++line;
    }
    return result;
}

std::string TextBoxAdapter::Text() const {
    return platform::ToWin1252(PlainText());
}

int TextBoxAdapter::SelStart() const {
    return box_.textCursor().selectionStart();
}

int TextBoxAdapter::SelLength() const {
    const QTextCursor cursor = box_.textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void TextBoxAdapter::Select(int start, int length) {
    QTextCursor cursor = box_.textCursor();
    const int end = box_.document()->characterCount() - 1;
    cursor.setPosition(std::clamp(start, 0, end));
    cursor.setPosition(std::clamp(start + length, 0, end), QTextCursor::KeepAnchor);
    box_.setTextCursor(cursor);
}

void TextBoxAdapter::ReplaceSelection(const std::string& text) {
    QTextCursor cursor = box_.textCursor();
    cursor.insertText(AsLines(text));
    box_.setTextCursor(cursor);
}

void TextBoxAdapter::ReplaceRange(int start, int length, const std::string& text, int caret) {
    Select(start, length);
    QTextCursor cursor = box_.textCursor();
    cursor.insertText(AsLines(text));
    cursor.setPosition(std::clamp(caret, 0, box_.document()->characterCount() - 1));
    box_.setTextCursor(cursor);
}

} // namespace ombrix

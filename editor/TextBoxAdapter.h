#pragma once
// The editor's text box as its rules use it. The box shows line breaks as
// lines; each line remembers the break that followed it in the file (CR LF,
// LF or a lone CR), so a file is written back with exactly its own breaks,
// and a new line takes the break most of the file uses.

#include "editor/rules/EditorView.h"
#include "editor/rules/FindRules.h"

#include <QString>

class QPlainTextEdit;

namespace ombrix {

class TextBoxAdapter : public SearchTarget {
public:
    explicit TextBoxAdapter(QPlainTextEdit& box) : box_(box) {}

    void LoadText(const std::string& bytes);
    void ClearText();
    std::string Snapshot() const;
    void Restore(const std::string& snapshot);
    FileText TextForFile() const;

    // SearchTarget
    std::string Text() const override;
    int SelStart() const override;
    int SelLength() const override;
    void Select(int start, int length) override;
    void ReplaceSelection(const std::string& text) override;

    // Replaces a range as one change and puts the insertion point at `caret`.
    void ReplaceRange(int start, int length, const std::string& text, int caret);

private:
    // The display text (lines joined by '\n') and the break after each line.
    void SetLines(const QString& text, const std::string& breaks);
    std::string Breaks() const;
    QString PlainText() const;

    QPlainTextEdit& box_;
    char dominant_ = '1'; // the break a new line gets: '1' CR LF, '2' LF, '3' CR
};

} // namespace ombrix

#include "platform/qt/Win1252.h"

#include "platform/posix/Paths.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>

#include <cstdio>

namespace ombrix::platform {

QString FromWin1252(std::string_view text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text)
        result.append(QChar(static_cast<char16_t>(FromCodePage(static_cast<unsigned char>(c)))));
    return result;
}

std::string ToWin1252(const QString& text, bool* lossless) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    bool exact = true;
    for (QChar qc : text) {
        const std::optional<unsigned char> byte = ToCodePage(qc.unicode());
        exact = exact && byte.has_value();
        result.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    if (lossless != nullptr) {
        *lossless = exact;
    }
    return result;
}

QString QtFileName(std::string_view path) {
    return QFile::decodeName(QByteArray::fromStdString(ToFileSystemPath(path)));
}

CodePageText StoredFileName(const QString& name) {
    return FromFileSystemPath(QFile::encodeName(name).toStdString());
}

std::optional<std::string> StoredFileNameOrTell(const QString& name, QWidget* owner,
                                                bool alsoToStderr) {
    CodePageText stored = StoredFileName(name);
    if (stored.Ok()) {
        return std::move(stored.text);
    }
    const std::string message =
        RefusedFileNameMessage(QFile::encodeName(name).toStdString(), stored);
    if (alsoToStderr) {
        std::fprintf(stderr, "%s\n", message.c_str());
    }
    QMessageBox::warning(owner, QApplication::applicationName(), QString::fromStdString(message));
    return std::nullopt;
}

} // namespace ombrix::platform

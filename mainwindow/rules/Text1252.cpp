#include "mainwindow/rules/Text1252.h"

namespace ombrix {

namespace {

unsigned char Lower(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    switch (c) {
    case 0x8A: // S caron
    case 0x8C: // OE
    case 0x8E: // Z caron
        return static_cast<unsigned char>(c + 0x10);
    case 0x9F: // Y diaeresis
        return 0xFF;
    default:
        return c;
    }
}

unsigned char Upper(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return static_cast<unsigned char>(c - 0x20);
    }
    switch (c) {
    case 0x9A:
    case 0x9C:
    case 0x9E:
        return static_cast<unsigned char>(c - 0x10);
    case 0xFF:
        return 0x9F;
    default:
        return c;
    }
}

} // namespace

char LowerCase1252(char c) {
    return static_cast<char>(Lower(static_cast<unsigned char>(c)));
}
char UpperCase1252(char c) {
    return static_cast<char>(Upper(static_cast<unsigned char>(c)));
}

std::string LowerCase1252(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = LowerCase1252(c);
    }
    return result;
}

std::string UpperCase1252(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = UpperCase1252(c);
    }
    return result;
}

std::string Knipname(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

} // namespace ombrix

// A small XML well-formedness check for the fuzz targets: one root element, nested tags, quoted attributes, known references, only characters XML allows.
#pragma once

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

namespace xml_check {

// Whether the bytes are UTF-8 holding only characters XML 1.0 allows (tab, line feed,
// carriage return, U+0020 up, without surrogates, U+FFFE and U+FFFF).
inline bool allowedCharacters(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        unsigned length = c < 0x80 ? 1 : c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
        if (length == 0 || i + length > text.size()) return false;
        unsigned long code = length == 1 ? c : c & (0xFF >> (length + 1));
        for (unsigned k = 1; k < length; ++k) {
            unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        static const unsigned long kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kLeast[length] || code > 0x10FFFF) return false;  // overlong or too large
        if (code < 0x20 && code != 0x9 && code != 0xA && code != 0xD) return false;
        if ((code >= 0xD800 && code <= 0xDFFF) || code == 0xFFFE || code == 0xFFFF) return false;
        i += length;
    }
    return true;
}

struct Parser {
    const std::string& s;
    size_t at = 0;

    bool more() const { return at < s.size(); }
    bool next(const char* text) {
        size_t n = std::strlen(text);
        if (s.compare(at, n, text) != 0) return false;
        at += n;
        return true;
    }
    void blanks() {
        while (more() && std::strchr(" \t\r\n", s[at])) ++at;
    }
    bool name(std::string& out) {
        size_t start = at;
        while (more() && (std::isalnum(static_cast<unsigned char>(s[at])) || std::strchr("_:-.", s[at]))) ++at;
        out = s.substr(start, at - start);
        return at > start && !std::isdigit(static_cast<unsigned char>(out[0])) && out[0] != '-' && out[0] != '.';
    }
    bool reference() {  // after '&'
        std::string entity;
        if (next("#x")) {
            size_t start = at;
            while (more() && std::isxdigit(static_cast<unsigned char>(s[at]))) ++at;
            return at > start && next(";");
        }
        if (next("#")) {
            size_t start = at;
            while (more() && std::isdigit(static_cast<unsigned char>(s[at]))) ++at;
            return at > start && next(";");
        }
        if (!name(entity) || !next(";")) return false;
        return entity == "amp" || entity == "lt" || entity == "gt" || entity == "quot" || entity == "apos";
    }
    bool attributeValue() {
        if (!more() || (s[at] != '"' && s[at] != '\'')) return false;
        char quote = s[at++];
        while (more() && s[at] != quote) {
            if (s[at] == '<') return false;
            if (s[at++] == '&' && !reference()) return false;
        }
        return next(quote == '"' ? "\"" : "'");
    }
    bool element() {  // at '<'
        std::string tag, attribute;
        std::vector<std::string> seen;
        if (!next("<") || !name(tag)) return false;
        for (;;) {
            size_t before = at;
            blanks();
            if (next("/>")) return true;
            if (next(">")) break;
            if (at == before || !name(attribute)) return false;
            for (const std::string& earlier : seen)
                if (earlier == attribute) return false;
            seen.push_back(attribute);
            blanks();
            if (!next("=")) return false;
            blanks();
            if (!attributeValue()) return false;
        }
        for (;;) {
            if (!more()) return false;
            if (next("</")) {
                std::string end;
                if (!name(end) || end != tag) return false;
                blanks();
                return next(">");
            }
            if (next("<!--")) {
                size_t close = s.find("-->", at);
                if (close == std::string::npos) return false;
                at = close + 3;
            } else if (s[at] == '<') {
                if (!element()) return false;
            } else if (next("&")) {
                if (!reference()) return false;
            } else {
                if (next("]]>")) return false;
                ++at;
            }
        }
    }
};

// Whether `text` is a well-formed XML document of one element (no prolog, no DTD).
inline bool wellFormed(const std::string& text) {
    if (!allowedCharacters(text)) return false;
    Parser parser{text};
    parser.blanks();
    if (!parser.element()) return false;
    parser.blanks();
    return !parser.more();
}

}  // namespace xml_check

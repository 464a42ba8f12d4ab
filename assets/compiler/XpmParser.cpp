#include "assets/compiler/XpmParser.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "assets/compiler/AssetError.h"

namespace morvane {
namespace {

struct Token {
    enum class Kind { Word, Punct, String, End } kind;
    std::string text;
    int line;
};

// Splits the C array declaration into words, punctuation and string literals, skipping
// whitespace and /* */ comments.
class Tokenizer {
public:
    Tokenizer(const std::string& text, const std::string& file) : text_(text), file_(file) {}

    std::vector<Token> run() {
        std::vector<Token> tokens;
        for (;;) {
            skipSpaceAndComments();
            if (pos_ >= text_.size()) {
                tokens.push_back({Token::Kind::End, "end of file", line_});
                return tokens;
            }
            const char c = text_[pos_];
            if (isWordStart(c)) {
                tokens.push_back(word());
            } else if (c == '"') {
                tokens.push_back(string());
            } else if (std::string("*[]={},;").find(c) != std::string::npos) {
                tokens.push_back({Token::Kind::Punct, std::string(1, c), line_});
                ++pos_;
            } else {
                throw error(line_, "unexpected character '" + std::string(1, c) + "'");
            }
        }
    }

private:
    static bool isWordStart(char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    }
    static bool isWordChar(char c) { return isWordStart(c) || (c >= '0' && c <= '9'); }

    AssetError error(int line, const std::string& message) const {
        return AssetError::at(file_, line, message);
    }

    void skipSpaceAndComments() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++pos_;
            } else if (text_.compare(pos_, 2, "/*") == 0) {
                const int start = line_;
                const std::size_t end = text_.find("*/", pos_ + 2);
                if (end == std::string::npos)
                    throw error(start, "unterminated comment");
                for (std::size_t i = pos_; i < end; ++i) {
                    if (text_[i] == '\n')
                        ++line_;
                }
                pos_ = end + 2;
            } else {
                return;
            }
        }
    }

    Token word() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && isWordChar(text_[pos_]))
            ++pos_;
        return {Token::Kind::Word, text_.substr(start, pos_ - start), line_};
    }

    Token string() {
        const std::size_t start = ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            const char c = text_[pos_];
            if (c == '\n')
                throw error(line_, "string not closed on its line");
            // The pictures never need escapes, and a stray backslash is a likely typo.
            if (c == '\\')
                throw error(line_, "escape sequences are not supported in strings");
            ++pos_;
        }
        if (pos_ >= text_.size())
            throw error(line_, "string not closed before end of file");
        return {Token::Kind::String, text_.substr(start, pos_++ - start), line_};
    }

    const std::string& text_;
    const std::string& file_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

std::vector<std::string> splitWords(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

bool parseInt(const std::string& s, int& value) {
    const char* end = s.data() + s.size();
    auto [ptr, ec] = std::from_chars(s.data(), end, value);
    return ec == std::errc() && ptr == end;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

class Parser {
public:
    Parser(std::vector<Token> tokens, const std::string& file)
        : tokens_(std::move(tokens)), file_(file) {}

    XpmImage run() {
        XpmImage image;
        image.file = file_;
        image.name = declaration();
        const std::vector<Token> strings = body();

        const int colourCount = valuesLine(strings.at(0), image);
        const std::size_t expected = 1 + static_cast<std::size_t>(colourCount + image.height);
        if (strings.size() != expected) {
            const Token& at = strings.size() > expected ? strings[expected] : strings.back();
            throw error(at.line, "expected " + std::to_string(expected) + " strings (values, " +
                                     std::to_string(colourCount) + " colours, " +
                                     std::to_string(image.height) + " rows) but found " +
                                     std::to_string(strings.size()));
        }
        std::map<std::string, std::uint16_t> keys;
        for (int i = 0; i < colourCount; ++i) {
            colourLine(strings[static_cast<std::size_t>(1 + i)], image, keys);
        }
        for (int y = 0; y < image.height; ++y) {
            pixelRow(strings[static_cast<std::size_t>(1 + colourCount + y)], y, image, keys);
        }
        return image;
    }

private:
    AssetError error(int line, const std::string& message) const {
        return AssetError::at(file_, line, message);
    }

    const Token& next() { return tokens_[pos_ < tokens_.size() - 1 ? pos_++ : pos_]; }
    const Token& peek() const { return tokens_[pos_]; }

    void expect(const std::string& text) {
        const Token& t = next();
        if (t.kind == Token::Kind::String || t.text != text) {
            throw error(t.line, "expected '" + text + "' but found '" + t.text + "'");
        }
    }

    // static [const] char * [const] name [] = {
    std::string declaration() {
        expect("static");
        if (peek().text == "const")
            next();
        expect("char");
        expect("*");
        if (peek().text == "const")
            next();
        const Token& name = next();
        if (name.kind != Token::Kind::Word) {
            throw error(name.line, "expected the array name but found '" + name.text + "'");
        }
        expect("[");
        expect("]");
        expect("=");
        expect("{");
        return name.text;
    }

    // "..." {, "..."} [,] } ; end of file
    std::vector<Token> body() {
        std::vector<Token> strings;
        for (;;) {
            const Token& t = next();
            if (t.kind != Token::Kind::String) {
                if (t.text == "}" && !strings.empty())
                    break;
                throw error(t.line, "expected a string but found '" + t.text + "'");
            }
            strings.push_back(t);
            const Token& sep = next();
            if (sep.text == "}")
                break;
            if (sep.kind != Token::Kind::Punct || sep.text != ",") {
                throw error(sep.line, "expected ',' or '}' but found '" + sep.text + "'");
            }
        }
        expect(";");
        const Token& end = next();
        if (end.kind != Token::Kind::End) {
            throw error(end.line, "unexpected '" + end.text + "' after the array");
        }
        return strings;
    }

    // "width height colours chars-per-pixel"; hotspots and extensions are not used here.
    int valuesLine(const Token& t, XpmImage& image) {
        const std::vector<std::string> words = splitWords(t.text);
        if (words.size() != 4) {
            throw error(t.line, "values line must be \"width height colours chars-per-pixel\"");
        }
        int colours = 0;
        if (!parseInt(words[0], image.width) || !parseInt(words[1], image.height) ||
            !parseInt(words[2], colours) || !parseInt(words[3], charsPerPixel_)) {
            throw error(t.line, "values line holds a non-number");
        }
        if (image.width < 1 || image.width > 256 || image.height < 1 || image.height > 256) {
            throw error(t.line, "picture size must be 1..256 in each direction");
        }
        if (charsPerPixel_ < 1 || charsPerPixel_ > 2) {
            throw error(t.line, "characters per pixel must be 1 or 2");
        }
        if (colours < 1 || colours > 256)
            throw error(t.line, "colour count must be 1..256");
        return colours;
    }

    // "<key> c <colour>", optionally with other visuals (m, g4, g, s) that are ignored.
    void colourLine(const Token& t, XpmImage& image, std::map<std::string, std::uint16_t>& keys) {
        const std::size_t cpp = static_cast<std::size_t>(charsPerPixel_);
        if (t.text.size() <= cpp || (t.text[cpp] != ' ' && t.text[cpp] != '\t')) {
            throw error(t.line, "colour line must be the pixel key, a space, then 'c <colour>'");
        }
        const std::string key = t.text.substr(0, cpp);
        const std::vector<std::string> words = splitWords(t.text.substr(cpp));
        if (words.size() % 2 != 0)
            throw error(t.line, "colour line has a visual without a value");

        const std::string* colour = nullptr;
        for (std::size_t i = 0; i < words.size(); i += 2) {
            const std::string& visual = words[i];
            if (visual == "c") {
                if (colour != nullptr)
                    throw error(t.line, "colour line has two 'c' values");
                colour = &words[i + 1];
            } else if (visual != "m" && visual != "g4" && visual != "g" && visual != "s") {
                throw error(t.line, "unknown visual '" + visual + "' in colour line");
            }
        }
        if (colour == nullptr)
            throw error(t.line, "colour line has no 'c' value");
        if (!keys.emplace(key, static_cast<std::uint16_t>(image.colours.size())).second) {
            throw error(t.line, "pixel key '" + key + "' is defined twice");
        }
        image.colours.push_back({key, parseColour(*colour, t.line), t.line});
    }

    XpmColour parseColour(const std::string& s, int line) const {
        if (equalsIgnoringCase(s, "None"))
            return {0, 0, 0, true};
        if (s.size() == 7 && s[0] == '#') {
            int v[6];
            for (std::size_t i = 0; i < 6; ++i)
                v[i] = hexDigit(s[i + 1]);
            if (std::find(std::begin(v), std::end(v), -1) == std::end(v)) {
                return {static_cast<std::uint8_t>(v[0] * 16 + v[1]),
                        static_cast<std::uint8_t>(v[2] * 16 + v[3]),
                        static_cast<std::uint8_t>(v[4] * 16 + v[5]), false};
            }
        }
        throw error(line, "unknown colour '" + s + "' (write #RRGGBB or None)");
    }

    void pixelRow(const Token& t, int y, XpmImage& image,
                  const std::map<std::string, std::uint16_t>& keys) {
        const std::size_t cpp = static_cast<std::size_t>(charsPerPixel_);
        const std::size_t expected = static_cast<std::size_t>(image.width) * cpp;
        if (t.text.size() != expected) {
            throw error(t.line, "row " + std::to_string(y) + " is " +
                                    std::to_string(t.text.size()) + " characters long, expected " +
                                    std::to_string(expected));
        }
        for (std::size_t x = 0; x < static_cast<std::size_t>(image.width); ++x) {
            const std::string key = t.text.substr(x * cpp, cpp);
            const auto found = keys.find(key);
            if (found == keys.end()) {
                throw error(t.line, "row " + std::to_string(y) + ", column " + std::to_string(x) +
                                        ": pixel key '" + key + "' has no colour");
            }
            image.pixels.push_back(found->second);
        }
    }

    std::vector<Token> tokens_;
    const std::string& file_;
    std::size_t pos_ = 0;
    int charsPerPixel_ = 1;
};

}  // namespace

XpmImage XpmParser::parse(const std::string& text, const std::string& file) {
    return Parser(Tokenizer(text, file).run(), file).run();
}

XpmImage XpmParser::parseFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw AssetError(path + ": cannot open");
    std::ostringstream text;
    text << in.rdbuf();
    return parse(text.str(), path);
}

}  // namespace morvane

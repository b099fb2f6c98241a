#include "formulas/display_language.h"

#include <array>
#include <charconv>
#include <optional>

namespace volmira {

namespace {

// Reads "-"-separated fields from a position, as the items lay them out.
class FieldReader {
  public:
    FieldReader(std::string_view text, std::size_t pos) : text_(text), pos_(pos) {}

    // A three-character number ("027", "-06").
    std::optional<int> number() {
        if (pos_ + 3 > text_.size()) return std::nullopt;
        std::string_view digits = text_.substr(pos_, 3);
        const bool negative = digits.front() == '-';
        if (negative) digits.remove_prefix(1);
        int value = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
        pos_ += 3;
        return negative ? -value : value;
    }

    // One character, or a number of `width` digits.
    std::optional<char> character() {
        if (pos_ >= text_.size()) return std::nullopt;
        return text_[pos_++];
    }
    std::optional<int> digits(std::size_t width) {
        if (pos_ + width > text_.size()) return std::nullopt;
        int value = 0;
        const char* begin = text_.data() + pos_;
        const auto [end, error] = std::from_chars(begin, begin + width, value);
        if (error != std::errc() || end != begin + width) return std::nullopt;
        pos_ += width;
        return value;
    }

    bool separator() { return pos_ < text_.size() && text_[pos_++] == '-'; }
    // Text up to the closing character, which is passed.
    std::optional<std::string_view> textUntil(char close) {
        const std::size_t end = text_.find(close, pos_);
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view text = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        return text;
    }
    std::size_t position() const { return pos_; }

  private:
    std::string_view text_;
    std::size_t pos_;
};

struct Origin {
    int x = 0;
    int y = 0;
};

// Reads one item starting after its marker; its end position, or nothing when malformed.
using ItemReader = std::optional<std::size_t> (*)(std::string_view, std::size_t, Origin,
                                                  DisplayItems&);

std::optional<std::size_t> readText(std::string_view s, std::size_t pos, Origin o,
                                    DisplayItems& items) {
    FieldReader r(s, pos);
    static constexpr std::array<int, 5> kHeights = {0, 20, 13, 15, 13};
    const std::optional<int> kind = r.digits(1);
    if (!kind || *kind < 1 || *kind > 4 || !r.separator()) return std::nullopt;
    const std::optional<int> x = r.number();
    if (!x || !r.separator()) return std::nullopt;
    const std::optional<int> y = r.number();
    if (!y || !r.separator()) return std::nullopt;
    const std::optional<std::string_view> text = r.textUntil('#');
    if (!text) return std::nullopt;
    items.texts.push_back({std::string(*text), *x + o.x, *y + o.y,
                           kHeights[static_cast<std::size_t>(*kind)], *kind != 2});
    return r.position();
}

std::optional<std::size_t> readGreek(std::string_view s, std::size_t pos, Origin o,
                                     DisplayItems& items) {
    FieldReader r(s, pos);
    const std::optional<int> bold = r.digits(1);
    if (!bold || !r.separator()) return std::nullopt;
    const std::optional<int> height = r.digits(2);
    if (!height || !r.separator()) return std::nullopt;
    const std::optional<int> x = r.number();
    if (!x || !r.separator()) return std::nullopt;
    const std::optional<int> y = r.number();
    if (!y || !r.separator()) return std::nullopt;
    const std::optional<char> letter = r.character();
    if (!letter) return std::nullopt;
    items.texts.push_back({symbolFontToUnicode(*letter), *x + o.x, *y + o.y, *height, *bold == 1});
    return r.position();
}

std::optional<std::size_t> readDot(std::string_view s, std::size_t pos, Origin o,
                                   DisplayItems& items) {
    FieldReader r(s, pos);
    const std::optional<int> x = r.number();
    if (!x || !r.separator()) return std::nullopt;
    const std::optional<int> y = r.number();
    if (!y) return std::nullopt;
    items.texts.push_back({".", *x + o.x, *y + o.y, 20, true});
    return r.position();
}

// "w-x1-y1-x2-y2" of a line or root sign, moved by the origin.
std::optional<DisplayLine> readLineItem(FieldReader& r, Origin o) {
    const std::optional<int> width = r.digits(1);
    if (!width) return std::nullopt;
    std::array<int, 4> v{};
    for (int& value : v) {
        if (!r.separator()) return std::nullopt;
        const std::optional<int> n = r.number();
        if (!n) return std::nullopt;
        value = *n;
    }
    return DisplayLine{v[0] + o.x, v[1] + o.y, v[2] + o.x, v[3] + o.y, *width};
}

std::optional<std::size_t> readLine(std::string_view s, std::size_t pos, Origin o,
                                    DisplayItems& items) {
    FieldReader r(s, pos);
    const std::optional<DisplayLine> line = readLineItem(r, o);
    if (!line) return std::nullopt;
    items.lines.push_back(*line);
    return r.position();
}

// Bar, long stroke down, end tick, short stroke up, lead to the left.
std::optional<std::size_t> readRoot(std::string_view s, std::size_t pos, Origin o,
                                    DisplayItems& items) {
    FieldReader r(s, pos);
    const std::optional<DisplayLine> l = readLineItem(r, o);
    if (!l) return std::nullopt;
    const int w = l->width;
    items.lines.push_back({l->x1, l->y1, l->x2, l->y1, w});
    items.lines.push_back({l->x1, l->y1, l->x1 - 4, l->y2, w});
    items.lines.push_back({l->x2, l->y1, l->x2, l->y1 + 3, w});
    items.lines.push_back({l->x1 - 4, l->y2, l->x1 - 4, l->y1, w});
    items.lines.push_back({l->x1 - 4, l->y1, l->x1 - 8, l->y1, w});
    return r.position();
}

// Takes every item of one kind out of `rest`; a malformed one stays in place.
void takeItems(std::string& rest, std::string_view marker, ItemReader reader, Origin origin,
               DisplayItems& items) {
    std::size_t pos = 0;
    while ((pos = rest.find(marker, pos)) != std::string::npos) {
        const std::optional<std::size_t> end = reader(rest, pos + marker.size(), origin, items);
        if (!end) {
            pos += marker.size();
            continue;
        }
        rest.erase(pos, *end - pos);
    }
}

}  // namespace

DisplayItems readFormulaDisplay(std::string_view display) {
    DisplayItems items;
    std::string rest(display);
    Origin origin;
    if (const std::size_t at = rest.find('@'); at != std::string::npos) {
        FieldReader r(rest, at + 1);
        const std::optional<int> x = r.number();
        const bool separated = x && r.separator();
        const std::optional<int> y = separated ? r.number() : std::nullopt;
        if (y) {
            origin = {*x, *y};
            rest.erase(at, r.position() - at);
        }
    }
    takeItems(rest, "#", readText, origin, items);
    takeItems(rest, "&", readGreek, origin, items);
    takeItems(rest, ".", readDot, origin, items);
    takeItems(rest, "*", readLine, origin, items);
    takeItems(rest, "WRZ", readRoot, origin, items);
    items.unread = rest;
    return items;
}

std::string symbolFontToUnicode(char letter) {
    // Symbol-font letters a..z and A..Z in order.
    static constexpr std::array<std::string_view, 26> kLower = {
        "α", "β", "χ", "δ", "ε", "φ", "γ", "η", "ι", "ϕ", "κ", "λ", "µ",
        "ν", "ο", "π", "θ", "ρ", "σ", "τ", "υ", "ϖ", "ω", "ξ", "ψ", "ζ"};
    static constexpr std::array<std::string_view, 26> kUpper = {
        "Α", "Β", "Χ", "Δ", "Ε", "Φ", "Γ", "Η", "Ι", "ϑ", "Κ", "Λ", "Μ",
        "Ν", "Ο", "Π", "Θ", "Ρ", "Σ", "Τ", "ϒ", "ς", "Ω", "Ξ", "Ψ", "Ζ"};
    if (letter >= 'a' && letter <= 'z') return std::string(kLower[letter - 'a']);
    if (letter >= 'A' && letter <= 'Z') return std::string(kUpper[letter - 'A']);
    return std::string(1, letter);
}

FigureLabelStyle readFigureLabel(std::string_view label) {
    FigureLabelStyle style;
    if (label.size() < 3) {
        style.text = label;
        return style;
    }
    style.bold = label[0] != '0';
    style.colour = label[1] == '1'   ? FigureColour::Olive
                   : label[1] == '2' ? FigureColour::White
                                     : FigureColour::Black;
    const std::string_view text = label.substr(3);
    switch (label[2]) {
        case '1':
            style.height = 18;
            style.text = text;
            break;
        case '3':
            // The one Wingdings sign of the figures: "ð" (0xF0), the right arrow.
            style.height = 30;
            style.text = text == "ð" ? "⇨" : std::string(text);
            break;
        case '4':
            style.height = 18;
            for (char c : text) style.text += symbolFontToUnicode(c);
            break;
        default:
            style.height = 15;
            style.text = text;
            break;
    }
    return style;
}

}  // namespace volmira

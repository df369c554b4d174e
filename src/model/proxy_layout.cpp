#include "model/proxy_layout.h"

#include "values/shown_text.h"
#include "values/values.h"

namespace model {
namespace {

constexpr long kTitleSearch = 500;  // the folder lies at most this many characters from the end

constexpr ProxyShape kTextTrinity{ProxyLayout::kTextTrinity, 4, 7, true, true};
constexpr ProxyShape kTrinity{ProxyLayout::kTrinity, 3, 5, false, true};
constexpr ProxyShape kTextValue{ProxyLayout::kTextValue, 2, 4, true, false};
constexpr ProxyShape kValue{ProxyLayout::kValue, 1, 2, false, false};

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }
bool EndsWith(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

// Header words of a drilling position: "Bore hole", "Core", "Section", "PSP", ...
bool HeaderNamesDrillingPosition(const ProxyHeader& h) {
    const std::string_view boreHole = h[1], section = h[2], psp = h[3];
    return StartsWith(boreHole, "Bore") || StartsWith(psp, "Distance") || StartsWith(psp, "Position") ||
           StartsWith(psp, "Defined") || StartsWith(psp, "PSP") || EndsWith(psp, "(PSP)") ||
           StartsWith(section, "Core") || EndsWith(section, "Section");
}

bool IsBoreHoleName(const ProxySide& side, std::string_view s) {
    for (int k = 1; k <= 4; ++k)
        if (values::SameShownText(s, side.BoreHoleName(k))) return true;
    return false;
}

}  // namespace

ProxyHeader::ProxyHeader(ItemReader& file) {
    do {
        if (items_.size() == static_cast<size_t>(kMaxProxyHeaderItems)) SubscriptOutOfRange();
        items_.emplace_back(file.Item());
    } while (!IsPlainNumber(items_.back()));
}

// The layout from the probe, the item 2n - 4 (n items up to the first plain
// number): in a well-formed file the second record's section, bore hole or
// sample text, or the first record's last value but one.
const ProxyShape& ChooseLayout(const ProxyHeader& h, long probe, const ProxySide& side) {
    const std::string& item = h[probe];
    if (IsPlainNumber(item)) {
        if (IsBoreHoleName(side, item) || IsBoreHoleName(side, h[probe - 1])) return kTextTrinity;
        return HeaderNamesDrillingPosition(h) ? kTextTrinity : kValue;
    }
    const bool letter = item == "A" || item == "B" || item == "C" || item == "D";
    if (IsBoreHoleName(side, item) || (side.LettersNameBoreHoles() && letter)) return kTrinity;
    return HeaderNamesDrillingPosition(h) ? kTrinity : kTextValue;
}

std::optional<std::string> ProxyFileTitle(std::string_view path) {
    const long n = values::Len(path);
    long folder = 0;
    for (long p = n; p >= 1 && n - p <= kTitleSearch && folder == 0; --p)
        if (path[p - 1] == '\\' || path[p - 1] == '/') folder = p;
    const long length = n - folder - 4;
    if (folder == 0 || length < 0) return std::nullopt;
    std::string title = values::Mid(path, folder + 1, length);
    if (EndsWith(title, "for QY") || EndsWith(title, "for_QY")) {
        if (title.size() < 7) return std::nullopt;
        title.resize(title.size() - 7);
    }
    return title;
}

bool IsPlainNumber(std::string_view item) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    // Only digits, a sign, a point and an exponent can be a number's own text.
    if (item.empty() || !(digit(item.front()) || item.front() == '-')) return false;
    for (char c : item)
        if (!(digit(c) || c == '.' || c == 'E' || c == '+' || c == '-')) return false;
    return values::SingleText(values::CSng(values::Val(item))) == item;
}

}  // namespace model

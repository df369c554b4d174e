#pragma once
// How a proxy data file is laid out, told from its header: the header is
// found by its first plain number, the layout by the item that falls where
// the second record's bore hole, section or sample text should be. And the
// title a panel shows for a file.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/item_reader.h"
#include "model/proxy_data.h"
#include "model/proxy_sides.h"
#include "model/tables.h"

namespace model {

// Fields of a record before its values, and how many of the items up to the
// first plain number are not column names.
struct ProxyShape {
    ProxyLayout layout;
    int leading;
    int notColumns;
    bool hasText, hasTrinity;
};

// The items read up to the first plain number and on to the probe; items the
// scan has not reached are empty, as in a list made empty beforehand.
class ProxyHeader {
public:
    explicit ProxyHeader(ItemReader& file);
    long Count() const { return static_cast<long>(items_.size()); }
    void ReadThrough(ItemReader& file, long last) {
        if (last >= kMaxProxyHeaderItems) SubscriptOutOfRange();
        while (Count() <= last) items_.emplace_back(file.Item());
    }
    const std::string& operator[](long i) const {
        static const std::string kEmpty;
        if (i < 0) SubscriptOutOfRange();
        return i < Count() ? items_[static_cast<size_t>(i)] : kEmpty;
    }
    const std::vector<std::string>& All() const { return items_; }

private:
    std::vector<std::string> items_;
};

// The layout from the probe, the item 2n - 4 (n items up to the first plain
// number): in a well-formed file the second record's section, bore hole or
// sample text, or the first record's last value but one.
const ProxyShape& ChooseLayout(const ProxyHeader& h, long probe, const ProxySide& side);

// The title a panel shows for a file: the name without folder ("\" or "/",
// looked for at most 500 characters back) and extension, a closing "for QY" or
// "for_QY" cut with the character before it. Nothing when the path has no
// folder within those characters or the name is too short: the import then
// ends without a word.
std::optional<std::string> ProxyFileTitle(std::string_view path);

// True when a text is the shortest single-precision text of its own leading
// number ("12", "-3.5", "0.25"; not "01", "1.0", ".5", "+2", "1e3").
bool IsPlainNumber(std::string_view item);

}  // namespace model

#include "model/item_reader.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>
#include <new>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "forms/runtime_error.h"
#include "model/separator_mask.h"
#include "model/word_decimals.h"

namespace model {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The length of the line end at p, which is a CR or an LF: CR-LF and CR-CR-LF
// are one line end each. The bytes after the file are NULs, never an LF.
size_t LineEndLength(const char* p) {
    if (p[0] == '\n') return 1;
    if (p[1] == '\n') return 2;
    return p[1] == '\r' && p[2] == '\n' ? 3 : 1;
}

}  // namespace

// The cursor copied out of the reader while it works, so that the compiler
// keeps it in registers; the reader takes it back when the work is done.
class ItemReader::Scan {
public:
    explicit Scan(const ItemReader& reader) : data(reader.text_.get()), size(reader.size_), at(reader.at_) {}

    // Stands at pos, with the separator mask of its block.
    void MoveTo(size_t pos) {
        at.pos = pos;
        at.block = pos & ~(kMaskBytes - 1);
        at.mask = SeparatorMask(data + at.block) & (~uint64_t{0} << (pos - at.block));
    }

    // The next comma, line end or NUL at or after the cursor; the NUL after
    // the file ends the search at the latest.
    size_t NextCandidate() {
        while (at.mask == 0) {
            at.block += kMaskBytes;
            at.mask = SeparatorMask(data + at.block);
        }
        return at.block + static_cast<size_t>(std::countr_zero(at.mask));
    }

    // The next comma or line end, or the end of the file.
    size_t NextSeparator() {
        for (;;) {
            const size_t end = NextCandidate();
            if (data[end] != '\0' || end >= size) return end;
            at.mask &= at.mask - 1;  // a NUL inside the file is text
        }
    }

    // Moves on past `separator`, which NextSeparator found.
    void Pass(size_t separator) {
        if (data[separator] == ',') {
            at.pos = separator + 1;
            at.mask &= at.mask - 1;
            at.itemFollows = true;
            return;
        }
        at.itemFollows = false;
        const size_t p = separator < size ? separator + LineEndLength(data + separator) : size;
        if (p - at.block < kMaskBytes) {
            at.pos = p;
            at.mask &= ~uint64_t{0} << (p - at.block);
        } else {
            MoveTo(p);  // a line end across the block's end
        }
    }

    const char* const data;
    const size_t size;
    Cursor at;
};

ItemReader::ItemReader(std::string contents) : ItemReader(CopyOf(contents), contents.size()) {}

ItemReader::ItemReader(Text text, size_t size) : text_(std::move(text)), size_(size) {
    static_assert(kPadding >= kMaskBytes && kPadding % kMaskBytes == 0);
    Scan scan(*this);
    scan.MoveTo(size_ >= 3 && std::memcmp(text_.get(), "\xEF\xBB\xBF", 3) == 0 ? 3 : 0);
    at_ = scan.at;
}

// A text copied with the alignment and padding a mapped file has.
ItemReader::Text ItemReader::CopyOf(std::string_view contents) {
    Text text(static_cast<char*>(::operator new[](contents.size() + kPadding, std::align_val_t{kPadding})),
              Release{0});
    std::memcpy(text.get(), contents.data(), contents.size());
    std::memset(text.get() + contents.size(), 0, kPadding);
    return text;
}

void ItemReader::Release::operator()(char* text) const {
    if (mapped != 0) {
        munmap(text, mapped);
    } else {
        ::operator delete[](text, std::align_val_t{kPadding});
    }
}

// The file read-only over a region of zeros: the kernel fills the rest of the
// file's last page with NULs and the region's further pages hold the rest of
// the padding. Nothing when the file cannot be mapped.
ItemReader::Text ItemReader::Map(int file, size_t size) {
    const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    const size_t length = (size + kPadding + page - 1) / page * page;
    void* region = mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (region == MAP_FAILED) return Text(nullptr, Release{0});
    if (mmap(region, size, PROT_READ, MAP_PRIVATE | MAP_FIXED | MAP_POPULATE, file, 0) == MAP_FAILED) {
        munmap(region, length);
        return Text(nullptr, Release{0});
    }
    return Text(static_cast<char*>(region), Release{length});
}

ItemReader ItemReader::Open(const std::string& path) {
    const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) throw forms::RuntimeError(forms::kErrFileNotFound, "File not found");
    struct stat status {};
    const bool regular = fstat(file, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0;
    Text text = regular ? Map(file, static_cast<size_t>(status.st_size)) : Text(nullptr, Release{0});
    close(file);
    if (text) return ItemReader(std::move(text), static_cast<size_t>(status.st_size));

    // Anything else is read as a stream, as far as it goes.
    std::ifstream in(path, std::ios::binary);
    std::string contents;
    char block[65536];
    while (in.read(block, sizeof block) || in.gcount() > 0) contents.append(block, static_cast<size_t>(in.gcount()));
    return ItemReader(std::move(contents));
}

bool ItemReader::AtEnd() {
    if (!at_.itemFollows) {
        // Pass over blank lines: blanks and tabs up to a line end.
        const char* data = text_.get();
        size_t p = at_.pos, next = at_.pos;
        while (p < size_) {
            const char c = data[p];
            if (IsBlank(c)) {
                ++p;
            } else if (c == '\n' || c == '\r') {
                next = ++p;
            } else {
                break;
            }
        }
        if (p >= size_) next = p;
        if (next != at_.pos) {
            Scan scan(*this);
            scan.MoveTo(next);
            at_ = scan.at;
        }
    }
    return at_.pos >= size_;
}

std::string_view ItemReader::QuotedItem(Scan& scan, size_t open) {
    const char* end = scan.data + size_;
    auto quoteFrom = [&](const char* from) {
        const void* q = std::memchr(from, '"', static_cast<size_t>(end - from));
        return q ? static_cast<const char*>(q) : end;
    };
    const char* first = scan.data + open + 1;
    const char* close = quoteFrom(first);
    std::string_view item(first, static_cast<size_t>(close - first));
    if (close + 1 < end && close[1] == '"') {
        std::string text(item);
        while (close + 1 < end && close[1] == '"') {
            text += '"';
            const char* from = close + 2;
            close = quoteFrom(from);
            text.append(from, close);
        }
        item = unquoted_.emplace_back(std::move(text));
    }
    scan.MoveTo(close < end ? static_cast<size_t>(close - scan.data) + 1 : size_);
    return item;
}

std::string_view ItemReader::Item() {
    if (at_.pos >= size_ && !at_.itemFollows)
        throw forms::RuntimeError(forms::kErrInputPastEnd, "Input past end of file");
    Scan scan(*this);
    const char* data = scan.data;
    // Blanks are no separators: the mask holds for the first character after them.
    size_t p = at_.pos;
    while (p < size_ && IsBlank(data[p])) ++p;
    std::string_view item;
    if (p < size_ && data[p] == '"') {
        item = QuotedItem(scan, p);
        scan.Pass(scan.NextSeparator());  // text after the closing quote is dropped
    } else {
        const size_t separator = scan.NextSeparator();
        size_t stop = separator;
        while (stop > p && IsBlank(data[stop - 1])) --stop;
        scan.Pass(separator);
        item = std::string_view(data + p, stop - p);
    }
    at_ = scan.at;
    return item;
}

template <double (*Convert)(std::string_view)>
[[gnu::noinline]] double ItemReader::OtherNumber() {
    Scan scan(*this);
    const size_t separator = scan.NextSeparator();
    double value;
    if (plain::ParseShortDecimal(scan.data + at_.pos, scan.data + separator, value)) {
        scan.Pass(separator);
        at_ = scan.at;
        return value;
    }
    return Convert(Item());
}

template <double (*Convert)(std::string_view)>
void ItemReader::ReadNumbers(std::span<double> out) {
    Scan scan(*this);
    // A run of items of up to eight characters, each ended by a comma or a
    // line end, is first found and then converted as a whole; the first item
    // that is not a short decimal takes the general road.
    constexpr size_t kRun = 16;
    uint64_t words[kRun];
    for (size_t done = 0; done < out.size();) {
        const Cursor start = scan.at;
        const size_t wanted = std::min(kRun, out.size() - done);
        size_t found = 0;
        while (found < wanted) {
            const size_t end = scan.NextCandidate();
            const size_t length = end - scan.at.pos;
            if (length - 1 >= 8 || scan.data[end] == '\0') break;
            words[found++] = plain::AlignedWord(scan.data + scan.at.pos, length);
            scan.Pass(end);
        }
        const size_t converted = plain::ConvertWords(words, found, out.data() + done);
        done += converted;
        if (converted == wanted) continue;
        if (converted < found) {
            // Back to the item that is no short decimal.
            scan.at = start;
            for (size_t i = 0; i < converted; ++i) scan.Pass(scan.NextCandidate());
        }
        at_ = scan.at;
        out[done++] = OtherNumber<Convert>();
        scan.at = at_;
    }
    at_ = scan.at;
}

double ItemReader::Number() {
    double value;
    ReadNumbers<StrictNumber>({&value, 1});
    return value;
}

double ItemReader::NumberVal() {
    double value;
    ReadNumbers<FastVal>({&value, 1});
    return value;
}

void ItemReader::NumbersVal(std::span<double> out) { ReadNumbers<FastVal>(out); }

}  // namespace model

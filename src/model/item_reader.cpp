#include "model/item_reader.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <new>

#include <sys/mman.h>
#include <unistd.h>

#include "model/mapped_file_guard.h"
#include "model/separator_mask.h"
#include "model/word_decimals.h"
#include "values/regular_file.h"
#include "values/runtime_error.h"

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
    explicit Scan(ItemReader& reader) : data(reader.text_.get()), size(reader.size_), at(reader.at_), reader(reader) {}

    // Stands at pos, with the separator mask of its block.
    void MoveTo(size_t pos) {
        at.pos = pos;
        at.block = pos & ~(kMaskBytes - 1);
        at.mask = SeparatorMask(data + at.block) & (~uint64_t{0} << (pos - at.block));
    }

    // The next comma, line end or NUL at or after the cursor; the NUL after
    // the file ends the search at the latest. The text ahead is asked for a
    // kilobyte early: a mapped file's pages lie apart in memory, and the
    // processor's own look-ahead stops at the end of each page.
    size_t NextCandidate() {
        while (at.mask == 0) [[unlikely]] {
            at.block += kMaskBytes;
            __builtin_prefetch(data + at.block + 1024);
            at.mask = SeparatorMask(data + at.block);
        }
        return at.block + static_cast<unsigned>(std::countr_zero(at.mask));
    }

    // The next comma or line end, or the end of the file (a part's end,
    // beyond which the file's own bytes go on).
    size_t NextSeparator() {
        for (;;) {
            const size_t end = NextCandidate();
            if (end >= size) return size;
            if (data[end] != '\0') [[likely]]
                return end;
            reader.NulInside(end);
            at.mask &= at.mask - 1;  // a NUL inside the file is text
        }
    }

    // Moves on past `separator`, which NextSeparator found.
    void Pass(size_t separator) {
        if (separator < size && data[separator] == ',') [[likely]] {
            PassComma(separator);
        } else {
            PassLineEnd(separator);
        }
    }
    void PassComma(size_t comma) {
        at.pos = comma + 1;
        at.mask &= at.mask - 1;
        at.itemFollows = true;
    }
    // A line end, or the end of the file.
    void PassLineEnd(size_t end) {
        at.itemFollows = false;
        const size_t p = end < size ? end + LineEndLength(data + end) : size;
        if (p - at.block < kMaskBytes) {
            at.pos = p;
            at.mask &= ~uint64_t{0} << (p - at.block);
        } else {
            MoveTo(p);  // a line end across the block's end
        }
    }

    // The word of the next item when it has one to eight characters and ends
    // at a comma or a line end, and then stands after it; false otherwise.
    bool ShortItem(uint64_t& word) {
        const size_t end = NextCandidate();
        const size_t length = end - at.pos;
        if (length - 1 >= 8 || end > size) [[unlikely]]
            return false;
        word = plain::AlignedWord(data + at.pos, length);
        if (data[end] == ',') [[likely]] {
            PassComma(end);
            return true;
        }
        if (data[end] == '\0' && end < size) return false;  // a NUL inside the file: left to NextSeparator
        PassLineEnd(end);
        return true;
    }

    const char* const data;
    const size_t size;
    Cursor at;
    ItemReader& reader;
};

ItemReader::ItemReader(std::string contents) : ItemReader(CopyOf(contents), contents.size()) {}

ItemReader::ItemReader(Text text, size_t size)
    : ItemReader(std::shared_ptr<char>(text.release(), text.get_deleter()), text.get_deleter().guard, 0, size) {
    // A byte-order mark opens a whole file only, not a part of one.
    if (size_ >= 3 && std::memcmp(text_.get(), "\xEF\xBB\xBF", 3) == 0) {
        Scan scan(*this);
        scan.MoveTo(3);
        at_ = scan.at;
    }
}

ItemReader::ItemReader(std::shared_ptr<char> text, const MappedFileGuard* guard, size_t from, size_t to)
    : text_(std::move(text)), guard_(guard), size_(to) {
    static_assert(kPadding >= kMaskBytes && kPadding % kMaskBytes == 0);
    Scan scan(*this);
    scan.MoveTo(from);
    at_ = scan.at;
}

// A text copied with the alignment and padding a mapped file has.
ItemReader::Text ItemReader::CopyOf(std::string_view contents) {
    char* region = static_cast<char*>(
        ::operator new[](kPadding + contents.size() + kPadding, std::align_val_t{kPadding}));
    std::memset(region, 0, kPadding);
    std::memcpy(region + kPadding, contents.data(), contents.size());
    std::memset(region + kPadding + contents.size(), 0, kPadding);
    return Text(region + kPadding, Release{0, kPadding});
}

void ItemReader::Release::operator()(char* text) const {
    if (mapped != 0) {
        if (guard) MappedFileGuard::Release(guard);
        munmap(text - lead, mapped);
    } else {
        ::operator delete[](text - lead, std::align_val_t{kPadding});
    }
}

// The file read-only between regions of zeros: a page before it, and after
// it the rest of its last page, which the kernel fills with NULs, and the
// region's further pages. The file starts on a large page (2 MB), as its
// bytes lie in the page cache in large pages where the file system keeps
// them so: it is then mapped a large page at a time, not 64 kB at a time,
// and read with fewer misses of the address translation. The file's pages
// are guarded against its being cut short. Nothing when the file cannot be
// mapped or guarded.
ItemReader::Text ItemReader::Map(int file, size_t size) {
    constexpr size_t kLargePage = size_t{2} << 20;
    const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    const size_t length = page + (size + kPadding + page - 1) / page * page;
    char* region =
        static_cast<char*>(mmap(nullptr, length + kLargePage, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    if (region == MAP_FAILED) return Text(nullptr, Release{0, 0});
    const auto start = reinterpret_cast<uintptr_t>(region) + page;
    char* text = region + ((start + kLargePage - 1) / kLargePage * kLargePage - start) + page;
    // What lies before the page before the text, and after the region, goes back.
    if (text - page > region) munmap(region, static_cast<size_t>(text - page - region));
    if (text - page + length < region + length + kLargePage)
        munmap(text - page + length, static_cast<size_t>(region + length + kLargePage - (text - page + length)));
    MappedFileGuard* guard = nullptr;
    if (mmap(text, size, PROT_READ, MAP_PRIVATE | MAP_FIXED | MAP_POPULATE, file, 0) != MAP_FAILED)
        guard = MappedFileGuard::Guard(text, (size + page - 1) / page * page, file, size);
    if (!guard) {
        munmap(text - page, length);
        return Text(nullptr, Release{0, 0});
    }
    return Text(text, Release{length, page, guard});
}

void ItemReader::Close() {
    static const std::shared_ptr<char> kEmpty = ItemReader(std::string()).text_;
    text_ = kEmpty;
    guard_ = nullptr;
    size_ = 0;
    Scan scan(*this);
    scan.MoveTo(0);
    at_ = scan.at;
    unquoted_.clear();
}

ItemReader ItemReader::Part(size_t from, size_t to) const {
    to = std::min(to, size_);
    return ItemReader(text_, guard_, std::min(from, to), to);
}

ItemReader ItemReader::Open(const std::string& path) {
    values::RegularFile file(path);
    size_t size = file.Size();
    if (size == 0) return ItemReader(std::string());
    // A file larger than the machine's memory cannot be read whole, nor could
    // what it holds be kept: it is refused before anything of it is read.
    const auto pages = sysconf(_SC_PHYS_PAGES), page = sysconf(_SC_PAGESIZE);
    if (pages > 0 && page > 0 && size / static_cast<size_t>(page) >= static_cast<size_t>(pages)) values::OutOfMemory();
    Text text = Map(file.Descriptor(), size);
    if (!text) text = ReadCopy(file.Descriptor(), size);
    return ItemReader(std::move(text), size);
}

// A file system that cannot map the file, or more files mapped than can be
// guarded: its bytes read into a padded copy, as many as it had when it was
// opened.
ItemReader::Text ItemReader::ReadCopy(int file, size_t& size) {
    char* region;
    try {
        region = static_cast<char*>(::operator new[](kPadding + size + kPadding, std::align_val_t{kPadding}));
    } catch (const std::bad_alloc&) {
        values::OutOfMemory();
    }
    Text text(region + kPadding, Release{0, kPadding});
    size_t done = 0;
    while (done < size) {
        const ssize_t got = pread(file, region + kPadding + done, size - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw values::RuntimeError(values::kErrDeviceIO, "Device I/O error");
        if (got == 0) break;
        done += static_cast<size_t>(got);
    }
    size = done;
    std::memset(region, 0, kPadding);
    std::memset(region + kPadding + size, 0, kPadding);
    return text;
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
    if (at_.pos < size_) return false;
    NotCut();
    return true;
}

void ItemReader::NulInside(size_t pos) {
    constexpr size_t kPage = 4096;
    if (!guard_) return;
    // The last page of a file cut short reads as NULs after its new end
    // without a fault: the file's length tells.
    if (!guard_->Whole() || (pos / kPage != nulPage_ && !guard_->Intact())) values::InputPastEnd();
    nulPage_ = pos / kPage;
}

void ItemReader::NotCut() const {
    if (guard_ && !guard_->Intact()) values::InputPastEnd();
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
    if (close >= end) {
        quoteLeftOpen_ = true;
        NotCut();  // the NULs of lost pages are no text to hand out
    }
    scan.MoveTo(close < end ? static_cast<size_t>(close - scan.data) + 1 : size_);
    return item;
}

std::string_view ItemReader::Item() {
    if (at_.pos >= size_ && !at_.itemFollows) values::InputPastEnd();
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
double ItemReader::ReadNumber() {
    Scan scan(*this);
    uint64_t word;
    double value;
    if (scan.ShortItem(word) && plain::ConvertWord(word, value)) {
        at_ = scan.at;
        return value;
    }
    return OtherNumber<Convert>();
}

template <double (*Convert)(std::string_view)>
void ItemReader::ReadNumbers(std::span<double> out) {
    Scan scan(*this);
    for (size_t done = 0; done < out.size();) {
        // Two items at a time are found and converted together.
        const Cursor start = scan.at;
        uint64_t first, second;
        if (done + 2 <= out.size() && scan.ShortItem(first) && scan.ShortItem(second) &&
            plain::ConvertTwo(first, second, out.data() + done) == 2) [[likely]] {
            done += 2;
            continue;
        }
        // The last of an odd number, or a pair with an item that is no short decimal.
        at_ = start;
        out[done++] = ReadNumber<Convert>();
        scan.at = at_;
    }
    at_ = scan.at;
}

double ItemReader::Number() { return ReadNumber<StrictNumber>(); }

double ItemReader::NumberVal() { return ReadNumber<FastVal>(); }

double ItemReader::NumberCell() { return ReadNumber<CellNumber>(); }

void ItemReader::NumbersVal(std::span<double> out) { ReadNumbers<FastVal>(out); }

}  // namespace model

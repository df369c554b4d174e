#pragma once
// The one reader of every comma-separated data file the program imports.
//
// The whole file is read into memory once and split in a single pass. An item
// ends at a comma or at a line end (CR-LF, a bare CR or a bare LF), so a line
// end separates items exactly as a comma does and a record is a number of
// items, not a line. An item in double quotes may hold commas and line ends and
// is handed out without its quotes; text between the closing quote and the next
// separator is dropped. Blanks and tabs around an unquoted item are dropped.
//
// The end of the file is tested only before the first item of a record
// (AtEnd); blank lines there are passed over, so a file may end with extra line
// ends. Asking for an item past the end of the file is run-time error 62, which
// the importers turn into "File format error.". A UTF-8 byte-order mark is
// skipped and the last line needs no line end.
//
// Items are views into the reader's buffer: they stay valid until the reader
// is destroyed. A regular file is mapped into memory rather than copied; like
// every mapped file, one that another program cuts short while it is being
// read ends the program (SIGBUS).
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace model {

class ItemReader {
public:
    explicit ItemReader(std::string contents);

    // Reads the whole file; a file that cannot be opened is run-time error 53.
    static ItemReader Open(const std::string& path);

    // True when nothing but blank lines is left before the next record.
    bool AtEnd();

    // The next item; error 62 when the file ends before it.
    std::string_view Item();

    // The next item read as a text that must be a number (error 13 otherwise).
    double Number();

    // The next item's leading numeric value, 0 when it has none (Val).
    double NumberVal();

    // How far the reader has come, in bytes of the file, and the file's size:
    // enough for a reader to foresee how many records are left.
    size_t Position() const { return pos_; }
    size_t Size() const { return size_; }

    // True when an item's opening quote had no closing one, so that it ran to
    // the end of the file.
    bool QuoteLeftOpen() const { return quoteLeftOpen_; }

    // True when the last item ended at a comma, so that one more item
    // follows on its line (perhaps an empty one before the line end).
    bool CommaPassed() const { return itemFollows_; }

    // The file from the reader's position on.
    std::string_view Rest() const { return std::string_view(text_.get() + pos_, size_ - pos_); }

    // A reader of bytes `from` to `to` of this reader's file, for reading
    // parts of one file side by side. It shares this reader's buffer and must
    // not outlive it; `to` is the end of the file or just after a line end
    // (a number is read a word at a time, which may look at the bytes after
    // `to` but never takes them).
    ItemReader Part(size_t from, size_t to) const;

private:
    // Reads the next item when it is a short plain decimal, in the same pass.
    bool TryShortDecimal(double& value);

    // Gives back a copied text or a mapped file.
    struct Release {
        size_t mapped;  // the length of the mapping; 0 for a copy
        bool owned = true;  // false for a part of another reader's buffer
        void operator()(char* text) const;
    };
    using Text = std::unique_ptr<char, Release>;

    ItemReader(Text text, size_t size, bool wholeFile = true);
    static Text CopyOf(std::string_view contents);
    static Text Map(int file, size_t size);

    // The file and at least kPadding NULs after it, so that a number can be
    // read a word at a time up to its very end.
    static constexpr size_t kPadding = 8;
    Text text_;
    size_t size_;
    size_t pos_ = 0;
    bool itemFollows_ = false;  // a comma was just passed: one more item, perhaps empty
    bool quoteLeftOpen_ = false;
};

// The leading numeric part of a text, 0 when there is none: forms::Val, with a
// fast path for items that are plain numbers.
double FastVal(std::string_view text);

// A text that must be wholly a number: forms::CDbl (error 13 otherwise), with
// the same fast path.
double StrictNumber(std::string_view text);

}  // namespace model

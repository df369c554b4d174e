#pragma once
// The one reader of every comma-separated data file the program imports.
//
// The whole file is read into memory once and split in a single pass. An item
// ends at a comma or at a line end (CR-LF, a bare CR, a bare LF, or CR-CR-LF
// as a CR-LF converted once more gives), so a line end separates items exactly
// as a comma does and a record is a number of items, not a line. An item in
// double quotes may hold commas and line ends and is handed out without its
// quotes; inside it a doubled quote ("") stands for one quote character. Text
// between the closing quote and the next separator is dropped. Blanks and tabs
// around an unquoted item are dropped.
//
// The end of the file is tested only before the first item of a record
// (AtEnd); blank lines there are passed over, so a file may end with extra line
// ends. Asking for an item past the end of the file is run-time error 62, which
// the importers turn into "File format error.". A UTF-8 byte-order mark is
// skipped and the last line needs no line end.
//
// Items are views into the reader's buffer: they stay valid until the reader
// is destroyed. A regular file is mapped into memory rather than copied. A
// file that another program cuts short while it is read is error 62: its lost
// pages read as NULs (model/mapped_file_guard.h), and the reader asks whether
// the file was cut where it meets a NUL inside the file and where it comes to
// the end, so that nothing it hands out came from pages the file lost. A file
// that grows meanwhile is read as long as it was when it was opened.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "model/plain_numbers.h"

namespace model {

class MappedFileGuard;

class ItemReader {
public:
    explicit ItemReader(std::string contents);

    // Reads the whole file. Only a regular file is read: anything else is
    // refused at once (values::RegularFile); so is a file larger than the
    // machine's memory (run-time error 7).
    static ItemReader Open(const std::string& path);

    // True when nothing but blank lines is left before the next record.
    bool AtEnd();

    // The next item; error 62 when the file ends before it.
    std::string_view Item();

    // The next item read as a text that must be a number (error 13 otherwise).
    double Number();

    // The next item's leading numeric value, 0 when it has none (Val).
    double NumberVal();

    // The next item as a number cell (CellNumber): its leading numeric
    // value, 0 when empty, error 13 when it holds no number at all.
    double NumberCell();

    // The next out.size() items as NumberVal reads them: the numbers of a
    // record in one call, read two at a time.
    void NumbersVal(std::span<double> out);

    // How far the reader has come, in bytes of the file, and the file's size:
    // enough for a reader to foresee how many records are left.
    size_t Position() const { return at_.pos; }
    size_t Size() const { return size_; }

    // True when an item's opening quote had no closing one, so that it ran to
    // the end of the file.
    bool QuoteLeftOpen() const { return quoteLeftOpen_; }

    // True when the last item ended at a comma, so that one more item
    // follows on its line (perhaps an empty one before the line end).
    bool CommaPassed() const { return at_.itemFollows; }

    // The file from the reader's position on.
    std::string_view Rest() const { return std::string_view(text_.get() + at_.pos, size_ - at_.pos); }

    // Gives the file's bytes back (those its parts keep excepted) once
    // nothing more is to be read: the reader then stands at the end of an
    // empty file, and the items it handed out are gone.
    void Close();

    // A reader of bytes `from` to `to` of this reader's file, for reading
    // parts of one file side by side; `to` is the end of the file or just
    // after a line end. It shares the file's bytes, which it keeps as long as
    // it lives, and reads none after `to`: the file ends there for it. Its
    // positions are the file's.
    ItemReader Part(size_t from, size_t to) const;

private:
    // Where the reader stands: the next item's first character and the
    // separators still ahead in the current aligned block.
    struct Cursor {
        size_t pos = 0;
        size_t block = 0;           // the aligned block that mask covers
        uint64_t mask = 0;          // its separators and NULs at or after pos, one bit a byte
        bool itemFollows = false;   // a comma was just passed: one more item, perhaps empty
    };
    class Scan;  // the cursor at work over the text

    // Numbers read in the pass; items that are not short decimals go to Convert.
    template <double (*Convert)(std::string_view)>
    double ReadNumber();
    template <double (*Convert)(std::string_view)>
    void ReadNumbers(std::span<double> out);
    // One number the word path did not take.
    template <double (*Convert)(std::string_view)>
    double OtherNumber();
    // A quoted item from its opening quote; moves past its closing quote.
    std::string_view QuotedItem(Scan& scan, size_t open);

    // A NUL at `pos` inside the file is text, unless the file was cut short
    // under the reader; the file's length is asked once for a page of NULs.
    [[gnu::cold]] void NulInside(size_t pos);
    // Error 62 when the file was cut short under the reader.
    void NotCut() const;

    // Gives back a copied text or a mapped file.
    struct Release {
        size_t mapped;  // the length of the mapping; 0 for a copy
        size_t lead;    // the padding before the text
        MappedFileGuard* guard = nullptr;  // the mapping's, if any
        void operator()(char* text) const;
    };
    using Text = std::unique_ptr<char, Release>;

    ItemReader(Text text, size_t size);
    ItemReader(std::shared_ptr<char> text, const MappedFileGuard* guard, size_t from, size_t to);
    static Text CopyOf(std::string_view contents);
    static Text Map(int file, size_t size);
    static Text ReadCopy(int file, size_t& size);

    // The file, aligned to kPadding, with at least kPadding NULs before and
    // after it, so that its separators can be looked for a whole aligned
    // block at a time and a number read as the word that ends with it.
    static constexpr size_t kPadding = 64;
    std::shared_ptr<char> text_;
    const MappedFileGuard* guard_;  // the mapped file's, shared by its parts; none for a copy
    size_t size_;  // where the file ends for this reader
    size_t nulPage_ = SIZE_MAX;  // the last page where a NUL was found to be the file's own
    Cursor at_;
    bool quoteLeftOpen_ = false;
    // Quoted items whose doubled quotes were made single: the file's own text
    // is never written to. A deque never moves what it holds.
    std::deque<std::string> unquoted_;
};

}  // namespace model

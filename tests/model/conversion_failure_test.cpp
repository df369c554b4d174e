// A conversion that fails at any record never harms the file it was to
// replace: the old file stays byte for byte and no partial file is left,
// whichever of the runs written side by side meets the fault.
#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include <sys/resource.h>

#include "conversion_fixtures.h"
#include "model/conversion_output.h"
#include "model/replacing_file.h"
#include "values/runtime_error.h"

using namespace model;
using namespace model_test;

namespace {

constexpr long kRecords = 30000;  // about 1.8 MB written: several blocks
// Runs of 2,000 records on four threads: up to four runs in flight at once,
// each waiting on the one before it.
const ConversionParts kRunsInFlight{4, size_t{1} << 20, 16384, 2000};

// A trinity file of kRecords positions at 115 cm (115 cm EFD), but for one
// at 150 cm (145 cm EFD) as record `odd`.
std::string LargeFile(long odd) {
    std::string text = "Sample,Hole,Section,PSP (cm)\r\n";
    for (long r = 1; r <= kRecords; ++r) text += "s" + std::to_string(r) + (r == odd ? ",A,01,50\r\n" : ",A,01,15\r\n");
    return text;
}

// Age points at 100 and twice at 145 cm EFD: ages at 145 cm and below divide by zero.
void LoadAgesEndingTwiceAtOneDepth(DepthModel& m) {
    ItemReader file(
        "Label,Bore hole,Section,PSP,Composite depth (09 Feb. 2024),Error (+) 95.4,Age,Error (-) 95.4,Type,Unit,Remark\n"
        "a,---,---,---,100,10,1000,20,C,cal BP,\n"
        "b,---,---,---,150,30,2000,40,C,cal BP,\n"
        "c,---,---,---,150,30,2100,40,C,cal BP,\n");
    BeginAgeModelImport(m, file, "ages.csv");
    FinishAgeModelImport(m, file, nullptr);
}

// Files written by this process may grow to `bytes` only, for the life of the object.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the process
        getrlimit(RLIMIT_FSIZE, &old_);
        const rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

private:
    rlimit old_{};
};

class FailedConversion : public testing::Test {
protected:
    void SetUp() override { WriteFile(target, kOld); }

    void ExpectUnharmed() {
        EXPECT_EQ(Contents(target), kOld);
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"converted.csv"});
    }

    const std::string kOld = "\"an older conversion\",1\r\n";
    ScratchFolder folder;
    const std::string target = folder.File("converted.csv");
    DepthModel m = ConversionModel();
    ConversionTables t;
};

}  // namespace

TEST_F(FailedConversion, AConversionFaultAtAnyRecord) {
    LoadAgesEndingTwiceAtOneDepth(m);
    for (long odd : {1L, 2001L, kRecords / 2, kRecords - 1999, kRecords}) {
        ASSERT_FALSE(ReadConversion(t, LargeFile(odd), m).refused);
        EXPECT_THROW(SaveConvertedFile(t, kScaleTrinity, 15, m, target, Titles(m), nullptr, kRunsInFlight),
                     values::RuntimeError)
            << odd;
        ExpectUnharmed();
    }
    // Without the ages the same records convert, and replace the old file.
    ASSERT_FALSE(SaveConvertedFile(t, kScaleTrinity, 7, m, target, Titles(m), nullptr, kRunsInFlight).refused);
    const std::string written = Contents(target);
    EXPECT_TRUE(written.ends_with(",115\r\n\"s30000\",\"A\",\"01\",\"50\",150,145\r\n"));
}

TEST_F(FailedConversion, AWriteFailureAtAnyRecord) {
    LoadConversionAges(m);
    ASSERT_FALSE(ReadConversion(t, LargeFile(0), m).refused);
    const std::string full = folder.File("full.csv");
    ASSERT_FALSE(SaveConvertedFile(t, kScaleTrinity, 15, m, full, Titles(m)).refused);
    const auto size = static_cast<rlim_t>(Contents(full).size());
    std::filesystem::remove(full);

    // The disk full before the header, inside the first block, at a block's
    // end, inside later runs and one byte before the last record's end.
    for (rlim_t limit : {rlim_t{0}, rlim_t{1000}, rlim_t{1} << 20, size / 2, size - 1000, size - 1}) {
        bool failed = false;
        {
            FileSizeLimit full(limit);
            try {
                SaveConvertedFile(t, kScaleTrinity, 15, m, target, Titles(m), nullptr, kRunsInFlight);
            } catch (const values::RuntimeError& e) {
                failed = e.number() == values::kErrDeviceIO;
            }
        }
        EXPECT_TRUE(failed) << limit;
        ExpectUnharmed();
    }
}

TEST_F(FailedConversion, ATargetThatCannotBeWrittenIsLeftAlone) {
    LoadConversionAges(m);
    ASSERT_FALSE(ReadConversion(t, LargeFile(0), m).refused);
    std::filesystem::permissions(target, std::filesystem::perms::owner_read);
    try {
        SaveConvertedFile(t, kScaleTrinity, 15, m, target, Titles(m));
        ADD_FAILURE() << "a read-only file was replaced";
    } catch (const values::RuntimeError& e) {
        EXPECT_EQ(e.number(), values::kErrPathFileAccess);
    }
    ExpectUnharmed();
    EXPECT_THROW(SaveConvertedFile(t, kScaleTrinity, 15, m, folder.File("no/such/folder.csv"), Titles(m)),
                 values::RuntimeError);
}

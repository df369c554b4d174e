#include <gtest/gtest.h>

#include "model/file_names.h"
#include "values/runtime_error.h"

using model::GetFileDate;
using model::GetFileTitle;
using model::GetMiddleField;

TEST(GetFileDate, EightDigitsAnywhereInThePathGiveTheDate) {
    EXPECT_EQ(GetFileDate("C:\\cores\\QL22_model_20240209.csv"), "09 Feb. 2024");
    EXPECT_EQ(GetFileDate("/home/x/20240509 model.csv"), "09 May 2024");
    EXPECT_EQ(GetFileDate("C:\\20231201\\model.csv"), "01 Dec. 2023");  // in a folder name
    EXPECT_EQ(GetFileDate("C:\\cores\\model_20241309.csv"), "20241309");  // month 13
    // A run with a blank or a leading zero that reads differently is not a date.
    EXPECT_EQ(GetFileDate("C:\\x\\1234 678_y.csv"), "1234 678_y");
}

TEST(GetFileDate, MonthNamesAndOtherwiseTheTitle) {
    EXPECT_EQ(GetFileDate("C:\\cores\\model 20 Jan. 2024.csv"), "20 Jan. 2024");
    EXPECT_EQ(GetFileDate("C:\\cores\\model 3 May 2023.csv"), "3  May 2023");
    EXPECT_EQ(GetFileDate("C:\\cores\\model 03 May 2023.csv"), "03 May 2023");
    // A month name in the first four characters is not looked at.
    EXPECT_EQ(GetFileDate("Mar_model.csv"), "Mar_model.csv");
    EXPECT_EQ(GetFileDate("C:\\cores\\lake model.csv"), "lake model");
    EXPECT_EQ(GetFileDate("/data/cores/lake model.csv"), "lake model");
    EXPECT_EQ(GetFileDate("model.txt"), "model.txt");
}

TEST(GetFileDate, TheFileNameComesBeforeItsFolders) {
    // A dated folder above dated files, and a folder whose name reads as a month.
    EXPECT_EQ(GetFileDate("/cores/20230101/model_20240209.csv"), "09 Feb. 2024");
    EXPECT_EQ(GetFileDate("C:\\Data\\Marie\\model 20 Jan. 2024.csv"), "20 Jan. 2024");
    EXPECT_EQ(GetFileDate("/home/Marie/20240509.csv"), "09 May 2024");
    // A month name at the start of the name, after the day.
    EXPECT_EQ(GetFileDate("/data/Marie/09 Feb. 2024.csv"), "09 Feb. 2024");
    // Only when the name holds no date is the path searched.
    EXPECT_EQ(GetFileDate("/cores/20230101/model.csv"), "01 Jan. 2023");
}

TEST(GetFileTitle, NameWithoutFolderAndExtension) {
    EXPECT_EQ(GetFileTitle("C:\\cores\\QL22 model.csv"), "QL22 model");
    EXPECT_EQ(GetFileTitle("/data/cores/QL22.csv"), "QL22");
    EXPECT_EQ(GetFileTitle("model.csv"), "model");
    EXPECT_EQ(GetFileTitle("C:\\x\\.csv"), "");
    // A name shorter than its extension is a run-time error the caller can trap.
    EXPECT_THROW(GetFileTitle("C:\\x\\a"), values::RuntimeError);
    EXPECT_THROW(GetFileTitle(""), values::RuntimeError);
}

TEST(GetMiddleField, FieldBetweenTheFirstTwoSeparators) {
    EXPECT_EQ(GetMiddleField("A-01-top"), "01");
    EXPECT_EQ(GetMiddleField("A 12 Top"), "12");
    EXPECT_EQ(GetMiddleField("01-top"), "top");
    EXPECT_EQ(GetMiddleField("A01top"), "A01top");
    EXPECT_EQ(GetMiddleField("A01top-"), "A01top");
    EXPECT_EQ(GetMiddleField("A--top"), "");
    EXPECT_EQ(GetMiddleField(""), "");
}

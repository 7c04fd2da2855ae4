#include <gtest/gtest.h>

#include "common/Failure.h"
#include "common/Integer.h"

namespace torvexa {
namespace {

TEST(Integer, AcceptsDecimalAndHexadecimalForms) {
    EXPECT_EQ(toInteger("0"), 0);
    EXPECT_EQ(toInteger("02"), 2);
    EXPECT_EQ(toInteger("   17"), 17);
    EXPECT_EQ(toInteger("+5"), 5);
    EXPECT_EQ(toInteger("-1"), -1);
    EXPECT_EQ(toInteger("$1F"), 31);
    EXPECT_EQ(toInteger("x10"), 16);
    EXPECT_EQ(toInteger("X0a"), 10);
    EXPECT_EQ(toInteger("0x20"), 32);
    EXPECT_EQ(toInteger("-$10"), -16);
    EXPECT_EQ(toInteger("2147483647"), 2147483647);
    EXPECT_EQ(toInteger("-2147483648"), -2147483647 - 1);
}

TEST(Integer, RejectsEverythingElse) {
    for (const char* text :
         {"", " ", "1 ", "\t1", "1.5", "12a", "a", "$", "0x", "0X10", "--1", "+-1", "- 1",
          "2147483648", "-2147483649", "$100000000", "99999999999999999999"}) {
        EXPECT_FALSE(parseInteger(text).has_value()) << '"' << text << '"';
    }
}

TEST(Integer, FailureNamesTheText) {
    try {
        toInteger("");
        FAIL() << "no failure";
    } catch (const NotAnIntegerError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
    EXPECT_THROW(toInteger("50%"), NotAnIntegerError);
}

TEST(Integer, WritesPlainDecimal) {
    EXPECT_EQ(integerText(0), "0");
    EXPECT_EQ(integerText(140), "140");
    EXPECT_EQ(integerText(-1), "-1");
}

TEST(Failures, CarryTheExactMessages) {
    EXPECT_STREQ(ListIndexError(101).what(), "List index out of bounds (101)");
    EXPECT_STREQ(ListIndexError(-1).what(), "List index out of bounds (-1)");
    EXPECT_STREQ(InsertLineError().what(), "Unable to insert a line");
    EXPECT_STREQ(InvalidDataTypeError("Directory").what(), "Invalid data type for 'Directory'");
    EXPECT_STREQ(FileError(2).what(), "File not found");
    EXPECT_STREQ(FileError(3).what(), "Invalid filename");
    EXPECT_STREQ(FileError(4).what(), "Too many open files");
    EXPECT_STREQ(FileError(5).what(), "File access denied");
    EXPECT_STREQ(FileError(32).what(), "I/O error 32");
    EXPECT_STREQ(FileError(112).what(), "I/O error 112");
}

}  // namespace
}  // namespace torvexa

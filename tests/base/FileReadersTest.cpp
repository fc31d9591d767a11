// The typed readers: lookup, booleans, number lists and string lists.

#include <gtest/gtest.h>

#include "base/FileAccess.h"
#include "support/FileTestSupport.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

class FileReaders : public testing::Test {
protected:
    void Load(const std::string& text) {
        file.Buffer = text;
        ASSERT_TRUE(file.LoadTextFile({}, false));
    }
    std::vector<std::int32_t> Numbers(const std::string& value, int count, int* done = nullptr) {
        Load("N=" + value + "\n");
        const int items = file.ReadNumbers("N", count, 0, 255, 99);
        if (done) *done = items;
        return file.Numbers;
    }
    std::vector<std::string> List(const std::string& value) {
        Load("L=" + value + "\n");
        file.ReadList("L");
        return file.List;
    }

    test::RecordingUserInterface ui;
    FileAccess file{ui};
};

TEST_F(FileReaders, NumbersNeedACommaAloneBetweenThem) {
    int done = 0;
    EXPECT_EQ(Numbers("3,4", 2, &done), (std::vector<std::int32_t>{3, 4}));
    EXPECT_EQ(done, 2);
    EXPECT_EQ(Numbers("3, 4", 2), (std::vector<std::int32_t>{3, 99}));
    EXPECT_EQ(Numbers("3,,4", 2), (std::vector<std::int32_t>{3, 4}));
    EXPECT_EQ(Numbers(",3", 2), (std::vector<std::int32_t>{3, 99}));
}

TEST_F(FileReaders, MissingItemsKeepTheDefaultAndAreNotCounted) {
    int done = 0;
    EXPECT_EQ(Numbers("7", 2, &done), (std::vector<std::int32_t>{7, 99}));
    EXPECT_EQ(done, 1);
    file.ReadNumbers("Absent", 2, 0, 255, 5);
    EXPECT_EQ(file.Numbers, (std::vector<std::int32_t>{5, 5}));
}

TEST_F(FileReaders, BadOrOutOfRangeItemsGiveTheDefault) {
    EXPECT_EQ(Numbers("256,-1", 2), (std::vector<std::int32_t>{99, 99}));
    // Nine digits are cut to eight, which exceed 16777215.
    EXPECT_EQ(Numbers("123456789,0", 2), (std::vector<std::int32_t>{99, 0}));
    EXPECT_EQ(Numbers("000000255", 1), (std::vector<std::int32_t>{25}));
    Load("H=FF,ff,10\n");
    file.ReadNumbers("H", 3, 0, 255, 7, true);
    EXPECT_EQ(file.Numbers, (std::vector<std::int32_t>{255, 7, 16}));
}

TEST_F(FileReaders, BooleansAcceptOnlyOneAndZero) {
    Load("T=1\nF=0\nW=yes\nS= 1\n");
    EXPECT_TRUE(file.ReadBoolean("T", false));
    EXPECT_FALSE(file.ReadBoolean("F", true));
    EXPECT_TRUE(file.ReadBoolean("W", true));
    EXPECT_FALSE(file.ReadBoolean("W", false));
    EXPECT_TRUE(file.ReadBoolean("S", true));
    EXPECT_TRUE(file.ReadBoolean("Absent", true));
}

TEST_F(FileReaders, ListCommasAfterASeparatorOrAtTheStartBelongToTheItem) {
    EXPECT_EQ(List("A,B,C"), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(List("A,,B"), (std::vector<std::string>{"A", ",B"}));
    EXPECT_EQ(List(",A,B,"), (std::vector<std::string>{",A", "B"}));
    EXPECT_EQ(List(" A , B"), (std::vector<std::string>{" A ", " B"}));
    EXPECT_TRUE(List("").empty());
}

TEST_F(FileReaders, LookupWalkingBackwardsFindsTheLaterDuplicate) {
    Load("B=b\nA=first\nC=c\nA=second\n");
    EXPECT_EQ(file.FindValue("A", "-"), "second");
    EXPECT_EQ(file.LookupHint, 0u);  // after the last entry
    EXPECT_EQ(file.FindValue("a", "-"), "-");
}

TEST_F(FileReaders, TheHintFindsTheNextEntryInFileOrderFirst) {
    Load("A=first\nB=b\nA=second\n");
    EXPECT_EQ(file.FindValue("B", "-"), "b");
    EXPECT_EQ(file.LookupHint, 2u);
    EXPECT_EQ(file.FindValue("A", "-"), "second");
    file.LookupHint = 0;
    EXPECT_EQ(file.FindValue("A", "-"), "first");
    EXPECT_EQ(file.LookupHint, 1u);
}

// Regression: the lookup must not answer from the table of an earlier file.
TEST_F(FileReaders, AReloadedTableOfTheSameSizeIsLookedUpAfresh) {
    Load("A=1\nB=2\nC=3\n");
    EXPECT_EQ(file.FindValue("C", "-"), "3");
    Load("C=x\nB=y\nA=z\n");
    EXPECT_EQ(file.FindValue("A", "-"), "z");
    file.Entries[2].Name = "D";  // edited in place
    EXPECT_EQ(file.FindValue("A", "-"), "-");
}

TEST_F(FileReaders, NumbersAfterAPrefixAreThoseOfTheNamesThatCarryOne) {
    Load(
        "Program3File=a\nProgram12Title=b\nProgram0File=c\nProgram33File=d\nProgramFile=e\n"
        "Programs=f\nXProgram5File=g\nProgram32=h\nProgram123456789012345678901File=i\n");
    const std::vector<bool> named = file.NumbersAfter("Program", 32);
    std::vector<std::size_t> numbers;
    for (std::size_t i = 0; i < named.size(); ++i)
        if (named[i]) numbers.push_back(i + 1);
    EXPECT_EQ(named.size(), 32u);
    EXPECT_EQ(numbers, (std::vector<std::size_t>{3, 12, 32}));
}

}  // namespace
}  // namespace velmora

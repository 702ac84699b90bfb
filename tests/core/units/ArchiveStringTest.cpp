#include "core/units/ArchiveReader.h"
#include "core/units/ArchiveWriter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes written(const std::u16string& text) {
    Bytes bytes;
    kelo::ArchiveWriter writer(bytes);
    writer.writeString(text);
    return bytes;
}

std::u16string readBack(const Bytes& bytes, bool* failed = nullptr, std::size_t* position = nullptr) {
    kelo::ArchiveReader reader(bytes);
    std::u16string text = reader.readString();
    if (failed) {
        *failed = reader.failed();
    }
    if (position) {
        *position = reader.position();
    }
    return text;
}

TEST(ArchiveString, WideFormUsesTheShortestOfTheThreeLengthForms) {
    const Bytes shortForm = written(u"Ab");
    EXPECT_EQ(shortForm, (Bytes{0xFF, 0xFE, 0xFF, 2, 'A', 0, 'b', 0}));

    const std::u16string longest254(254, u'x');
    EXPECT_EQ(written(longest254).size(), 4u + 2 * 254);

    const std::u16string medium(255, u'y');
    const Bytes mediumForm = written(medium);
    EXPECT_EQ(Bytes(mediumForm.begin(), mediumForm.begin() + 6), (Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}));
    EXPECT_EQ(readBack(mediumForm), medium);

    const std::u16string longText(0xFFFE, u'z');
    const Bytes longForm = written(longText);
    EXPECT_EQ(Bytes(longForm.begin(), longForm.begin() + 10),
              (Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(readBack(longForm), longText);
}

TEST(ArchiveString, EightBitFormsWithoutMarkerAreLatin1) {
    EXPECT_EQ(readBack(Bytes{3, 'C', 0xE4, 0xFF}), u"C\u00e4\u00ff");

    Bytes medium{0xFF, 0x2C, 0x01}; // 300 characters
    medium.resize(3 + 300, 0xB5);
    EXPECT_EQ(readBack(medium), std::u16string(300, u'\u00b5'));

    Bytes longForm{0xFF, 0xFF, 0xFF, 2, 0, 0, 0, 'o', 'k'};
    EXPECT_EQ(readBack(longForm), u"ok");
}

TEST(ArchiveString, MalformedWideTextKeepsEveryCodeUnit) {
    // A lone surrogate is carried as it is, so the name is written back unchanged.
    const std::u16string odd{u'a', static_cast<char16_t>(0xD800), u'b'};
    EXPECT_EQ(readBack(written(odd)), odd);
}

TEST(ArchiveString, LengthBeyondTheDataFailsWithoutReading) {
    bool failed = false;
    std::size_t position = 0;
    EXPECT_EQ(
        readBack(Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 0}, &failed, &position),
        u"");
    EXPECT_TRUE(failed);
    EXPECT_EQ(position, 10u); // after the length field: no character was consumed

    EXPECT_EQ(readBack(Bytes{5, 'a', 'b'}, &failed), u"");
    EXPECT_TRUE(failed);
    EXPECT_EQ(readBack(Bytes{0xFF, 0xFE}, &failed), u"");
    EXPECT_TRUE(failed);
    EXPECT_EQ(readBack(Bytes{}, &failed), u"");
    EXPECT_TRUE(failed);
}

TEST(ArchiveReader, FailureIsStickyAndReadsNothingMore) {
    const Bytes bytes{1, 2, 3, 4, 5};
    kelo::ArchiveReader reader(bytes);
    EXPECT_EQ(reader.readU32(), 0x04030201u);
    EXPECT_EQ(reader.readU16(), 0u);
    EXPECT_TRUE(reader.failed());
    EXPECT_EQ(reader.readU8(), 0u);
    EXPECT_EQ(reader.position(), 4u);
}

} // namespace

// Reading compiled resource files (.res), whole and damaged.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/host/resource_image.h"

namespace {

using Bytes = std::vector<unsigned char>;

void PutWord(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<unsigned char>(value & 0xFF));
    bytes.push_back(static_cast<unsigned char>(value >> 8));
}

void PutDword(Bytes& bytes, std::uint32_t value) {
    PutWord(bytes, static_cast<std::uint16_t>(value & 0xFFFF));
    PutWord(bytes, static_cast<std::uint16_t>(value >> 16));
}

// A type or name as a .res file spells it: an integer id, or a string when text is set.
struct Key {
    std::uint16_t id = 0;
    std::u16string text;
};

void PutKey(Bytes& bytes, const Key& key) {
    if (key.text.empty()) {
        PutWord(bytes, 0xFFFF);
        PutWord(bytes, key.id);
        return;
    }
    for (const char16_t unit : key.text) {
        PutWord(bytes, unit);
    }
    PutWord(bytes, 0);
}

void PadTo4(Bytes& bytes) {
    while (bytes.size() % 4 != 0) {
        bytes.push_back(0);
    }
}

// One record as windres writes it.
void PutRecord(Bytes& bytes, const Key& type, const Key& name, std::uint16_t language,
               const std::string& data) {
    Bytes header;
    PutKey(header, type);
    PutKey(header, name);
    PadTo4(header);
    PutDword(header, 0);      // data version
    PutWord(header, 0x1030);  // memory flags
    PutWord(header, language);
    PutDword(header, 0);  // version
    PutDword(header, 0);  // characteristics
    PutDword(bytes, static_cast<std::uint32_t>(data.size()));
    PutDword(bytes, static_cast<std::uint32_t>(header.size() + 8));
    bytes.insert(bytes.end(), header.begin(), header.end());
    bytes.insert(bytes.end(), data.begin(), data.end());
    PadTo4(bytes);
}

Key Id(std::uint16_t id) {
    return Key{id, {}};
}

Key Text(const std::u16string& text) {
    return Key{0, text};
}

// The empty record every .res file starts with, then three records.
Bytes SampleImage() {
    Bytes bytes;
    PutRecord(bytes, Id(0), Id(0), 0, "");
    PutRecord(bytes, Id(6), Id(626), 1041, "odd");
    PutRecord(bytes, Text(u"CUSTOM"), Text(u"NAMED"), 1033, "named data");
    PutRecord(bytes, Id(24), Id(1), 1033, "<assembly/>");
    return bytes;
}

std::string DataOf(const host::ResourceEntry& entry) {
    return std::string(reinterpret_cast<const char*>(entry.data), entry.size);
}

// Records named by strings are read past, never kept: lookups are by id only.
TEST(ParseResourceImage, KeepsTheRecordsNamedByIdsButTheEmptyOne) {
    const Bytes image = SampleImage();
    const std::vector<host::ResourceEntry> entries =
        host::ParseResourceImage(image.data(), image.size());
    ASSERT_EQ(entries.size(), 2u);

    EXPECT_EQ(entries[0].type, 6);
    EXPECT_EQ(entries[0].name, 626);
    EXPECT_EQ(entries[0].language, 1041);
    EXPECT_EQ(DataOf(entries[0]), "odd");

    // After an odd-sized record and a string-named one: padding and strings are skipped.
    EXPECT_EQ(entries[1].type, 24);
    EXPECT_EQ(entries[1].name, 1);
    EXPECT_EQ(entries[1].language, 1033);
    EXPECT_EQ(DataOf(entries[1]), "<assembly/>");
}

TEST(ParseResourceImage, StopsAtTheFirstDamagedRecord) {
    const Bytes whole = SampleImage();
    // In SampleImage the empty record takes 32 bytes and the second record 36.
    constexpr std::size_t kSecondRecord = 32;
    constexpr std::size_t kThirdRecord = 32 + 36;
    struct Case {
        const char* name;
        Bytes image;
        std::size_t expectedEntries;
    };
    const auto withDword = [&](std::size_t at, std::uint32_t value) {
        Bytes bytes = whole;
        bytes[at] = static_cast<unsigned char>(value & 0xFF);
        bytes[at + 1] = static_cast<unsigned char>(value >> 8 & 0xFF);
        bytes[at + 2] = static_cast<unsigned char>(value >> 16 & 0xFF);
        bytes[at + 3] = static_cast<unsigned char>(value >> 24);
        return bytes;
    };
    const auto cutAt = [&](std::size_t size) { return Bytes(whole.begin(), whole.begin() + size); };
    // The third record's name "NAMED" loses its terminator and runs into the trailer.
    Bytes unterminated = whole;
    const std::size_t nameEnd = kThirdRecord + 8 + 14 + 10;
    unterminated[nameEnd] = 'X';
    unterminated[nameEnd + 2] = 'X';
    const std::vector<Case> cases = {
        {"empty image", Bytes{}, 0},
        {"only the empty record", cutAt(32), 0},
        {"sizes cut short", cutAt(kSecondRecord + 6), 0},
        {"header cut short", cutAt(kSecondRecord + 20), 0},
        {"data cut short", cutAt(kThirdRecord - 2), 0},
        {"data size beyond the image", withDword(kThirdRecord, 0x7FFFFFF0), 1},
        {"data size at the 32-bit limit", withDword(kThirdRecord, 0xFFFFFFFF), 1},
        {"header size below the minimum", withDword(kThirdRecord + 4, 12), 1},
        {"header size beyond the image", withDword(kThirdRecord + 4, 0xFFFFFFFF), 1},
        {"name string running into the trailer", unterminated, 1},
        {"whole image", whole, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(host::ParseResourceImage(c.image.data(), c.image.size()).size(),
                  c.expectedEntries)
            << c.name;
    }
}

TEST(ParseResourceImage, NoImageHasNoEntries) {
    EXPECT_TRUE(host::ParseResourceImage(nullptr, 0).empty());
}

}  // namespace

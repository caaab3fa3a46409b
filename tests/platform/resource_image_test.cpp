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

void PutKey(Bytes& bytes, const host::ResourceKey& key) {
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
void PutRecord(Bytes& bytes, const host::ResourceKey& type, const host::ResourceKey& name,
               std::uint16_t language, const std::string& data) {
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

host::ResourceKey Id(std::uint16_t id) {
    host::ResourceKey key;
    key.id = id;
    return key;
}

host::ResourceKey Text(const std::u16string& text) {
    host::ResourceKey key;
    key.text = text;
    return key;
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

TEST(ParseResourceImage, ReadsEveryRecordButTheEmptyOne) {
    const Bytes image = SampleImage();
    const std::vector<host::ResourceEntry> entries =
        host::ParseResourceImage(image.data(), image.size());
    ASSERT_EQ(entries.size(), 3u);

    EXPECT_EQ(entries[0].type.id, 6);
    EXPECT_EQ(entries[0].name.id, 626);
    EXPECT_EQ(entries[0].language, 1041);
    EXPECT_EQ(DataOf(entries[0]), "odd");

    // After an odd-sized record: the padding is skipped.
    EXPECT_EQ(entries[1].type.text, u"CUSTOM");
    EXPECT_EQ(entries[1].name.text, u"NAMED");
    EXPECT_EQ(entries[1].language, 1033);
    EXPECT_EQ(DataOf(entries[1]), "named data");

    EXPECT_EQ(entries[2].type.id, 24);
    EXPECT_EQ(entries[2].name.id, 1);
    EXPECT_EQ(DataOf(entries[2]), "<assembly/>");
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
        {"whole image", whole, 3},
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

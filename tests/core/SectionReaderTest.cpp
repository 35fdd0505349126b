#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <string>

#include "MemorySettingsStore.h"
#include "TempDir.h"
#include "app/SectionReader.h"
#include "sqlite/SqliteSettingsStore.h"

namespace varnolt {
namespace {

const std::string kSection = "__Scale manager";

// The memory store reads value by value; the SQLite store gives a snapshot.
class SectionReaderTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (GetParam()) {
            m_store = std::make_unique<SqliteSettingsStore>(Path());
        } else {
            m_store = std::make_unique<test::MemorySettingsStore>();
        }
    }
    std::string Path() const { return (m_dir.path() / "store.db").string(); }

    test::TempDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
};

INSTANTIATE_TEST_SUITE_P(Stores, SectionReaderTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Sqlite" : "Memory"; });

TEST_P(SectionReaderTest, ReadsAsTheStoreItselfDoes) {
    SettingsStore& s = *m_store;
    s.WriteInt(kSection, "Weekday", 3);
    s.WriteInt(kSection, "Saturday", 0);
    s.WriteInt(kSection, "Low", -2147483647 - 1);
    s.WriteString(kSection, "W-0 Cycle", "22.5");
    s.WriteString(kSection, "W-0 Unit", "");
    s.WriteString(kSection, "Nul", std::string("a\0b", 3));
    s.WriteString(kSection, "Umlaut", "Köln – Büro");
    s.WriteString("Other section", "Holiday", "not mine");
    s.WriteInt("__scale manager", "Holiday", 9);

    EXPECT_EQ(s.ReadSection(kSection).has_value(), GetParam());
    // Whatever part of the section the snapshot holds, every key reads the same.
    for (const std::string prefix : {"", "W-0 ", "W", "Nul", "Z", "\xff"}) {
        const SectionReader reader(s, kSection, prefix);
        for (const char* key : {"Weekday", "Saturday", "Low", "W-0 Cycle", "W-0 Unit", "Nul",
                                "Umlaut", "Holiday", "weekday", "Weekday ", ""}) {
            SCOPED_TRACE(prefix + " / " + key);
            EXPECT_EQ(reader.HasValue(key), s.HasValue(kSection, key));
            EXPECT_EQ(reader.ReadInt(key, 77), s.ReadInt(kSection, key, 77));
            EXPECT_EQ(reader.ReadString(key, "dflt"), s.ReadString(kSection, key, "dflt"));
        }
    }
    const SectionReader reader(s, kSection);
    EXPECT_EQ(reader.ReadInt("Weekday", 0), 3);
    EXPECT_EQ(reader.ReadString("Weekday", "x"), "x");
    EXPECT_EQ(reader.ReadString("Nul", "x"), std::string("a\0b", 3));
    EXPECT_FALSE(reader.HasValue("Holiday"));
}

TEST(SqliteSectionRead, AValueOfAnUnknownKindIsStoredButReadsAsTheDefault) {
    test::TempDir dir;
    const std::string path = (dir.path() / "store.db").string();
    SqliteSettingsStore store(path);
    store.WriteInt(kSection, "Weekday", 1);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db,
                           "INSERT INTO settings(section, key, kind, value)"
                           " VALUES('__Scale manager', 'Odd', 7, 5)",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);

    const auto values = store.ReadSection(kSection);
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->size(), 2u);
    const SectionReader reader(store, kSection);
    EXPECT_TRUE(reader.HasValue("Odd"));
    EXPECT_EQ(reader.ReadInt("Odd", 4), 4);
    EXPECT_EQ(reader.ReadString("Odd", "d"), "d");
    EXPECT_EQ(store.ReadSection("Empty section")->size(), 0u);
    store.WriteInt(kSection, "W-0 From", 1);
    store.WriteInt(kSection, "W-0 From min", 2);
    store.WriteInt(kSection, "W-1 From", 3);
    EXPECT_EQ(store.ReadSection(kSection, "W-0 ")->size(), 2u);
    EXPECT_EQ(store.ReadSection(kSection, "W-")->size(), 3u);
    EXPECT_EQ(store.ReadSection(kSection, "\xff")->size(), 0u);
}

}  // namespace
}  // namespace varnolt

namespace varnolt {
namespace {

TEST(SectionValues, FindsKeysInOrderAndOutOfOrder) {
    for (bool sorted : {true, false}) {
        SectionValues values;
        std::vector<std::string> keys{"H-0 From", "W-0 From", "W-0 From min #2", "W-10 To", "Ä"};
        if (!sorted)
            std::swap(keys[0], keys[3]);
        int n = 0;
        for (const std::string& key : keys)
            values.AddInt(key, ++n);
        values.AddText("Z text", std::string("a\0b", 3));
        values.AddOther("Zz other");
        for (std::size_t i = 0; i < keys.size(); ++i) {
            ASSERT_TRUE(values.Find(keys[i]).has_value()) << keys[i];
            EXPECT_EQ(values.Find(keys[i])->number, static_cast<int>(i) + 1);
        }
        EXPECT_EQ(values.Find("Z text")->text, std::string_view("a\0b", 3));
        EXPECT_EQ(values.Find("Zz other")->kind, SectionValues::Kind::Other);
        EXPECT_FALSE(values.Find("W-0").has_value());
        EXPECT_FALSE(values.Find("").has_value());
        EXPECT_EQ(values.size(), keys.size() + 2);
    }
}

}  // namespace
}  // namespace varnolt

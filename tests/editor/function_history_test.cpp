#include "editor/function_history.h"

#include "settings/settings_store.h"

#include "support/settings_sandbox.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <initializer_list>

namespace plotmere {
namespace {

constexpr int Size = FunctionHistory::HistorySize;

using FunctionHistoryStoreTest = testing_support::SettingsSandbox;

// The ten slots in order; empty slots as empty texts.
QStringList Slots(const FunctionHistory& history) {
    QStringList texts;
    for (int n = 1; n <= Size; ++n) {
        texts << history.slot(n);
    }
    return texts;
}

// Slots 1 ... listed filled in order, the rest empty.
QStringList Expected(std::initializer_list<const char*> filled) {
    QStringList texts;
    for (const char* text : filled) {
        texts << text;
    }
    while (texts.size() < Size) {
        texts << QString();
    }
    return texts;
}

// Built by pushing the oldest first, so slot 1 holds the first listed text.
FunctionHistory HistoryOf(std::initializer_list<const char*> newestFirst) {
    FunctionHistory history;
    const QStringList texts = Expected(newestFirst);
    for (qsizetype i = texts.size(); i-- > 0;) {
        if (!texts[i].isEmpty()) {
            history.push(texts[i]);
        }
    }
    return history;
}

TEST(FunctionHistoryTest, PushesFollowTheTable) {
    struct Row {
        const char* name;
        std::initializer_list<const char*> before;
        const char* pushed;
        std::initializer_list<const char*> after;
    };
    const Row rows[] = {
        {"into an empty history", {}, "A", {"A"}},
        {"the top one stays", {"A", "B"}, "A", {"A", "B"}},
        {"case matters", {"x", "y"}, "X", {"X", "x", "y"}},
        {"a new one drops slot 10",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
         "new",
         {"new", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {"slot 10's one moves up and nothing is dropped",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
         "10",
         {"10", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FunctionHistory history = HistoryOf(row.before);
        ASSERT_EQ(Slots(history), Expected(row.before));
        history.push(row.pushed);
        EXPECT_EQ(Slots(history), Expected(row.after));
    }
}

TEST(FunctionHistoryTest, TheSameExpressionThreeTimesIsOneEntry) {
    FunctionHistory history = HistoryOf({"A", "B"});
    for (int i = 0; i < 3; ++i) {
        history.push("x*sin(5*x)");
    }
    EXPECT_EQ(Slots(history), Expected({"x*sin(5*x)", "A", "B"}));
}

TEST(FunctionHistoryTest, ASequenceOfPushesKeepsEveryEntryOnce) {
    FunctionHistory history = HistoryOf({"A", "B", "C", "D"});
    history.push("C");
    history.push("E");
    EXPECT_EQ(Slots(history), Expected({"E", "C", "A", "B", "D"}));
}

// A store edited by hand can hold duplicates; the last matching slot is the one that moves,
// so the entries above it shift down over it and the earlier copy stays.
TEST_F(FunctionHistoryStoreTest, DuplicatesFromTheStoreMoveTheLastCopy) {
    Store().setValue("function 1", "A");
    Store().setValue("function 2", "B");
    Store().setValue("function 3", "A");
    Store().setValue("function 4", "C");
    Store().sync();
    SettingsStore store{testing_support::TestStoreLocation()};
    FunctionHistory history;
    history.load(store);
    ASSERT_EQ(Slots(history), Expected({"A", "B", "A", "C"}));
    history.push("A");
    EXPECT_EQ(Slots(history), Expected({"A", "A", "B", "C"}));
}

TEST(FunctionHistoryTest, CaptionsShowTheSlotNumberAndText) {
    FunctionHistory history = HistoryOf({"x*sin(5*x)", "1/x"});
    EXPECT_EQ(history.caption(1), "&1. y=x*sin(5*x)");
    EXPECT_EQ(history.caption(2), "&2. y=1/x");
    EXPECT_EQ(history.caption(3), "&3. <empty>");
    EXPECT_EQ(history.caption(10), "&10. <empty>");
}

TEST(FunctionHistoryTest, ClearEmptiesEverySlot) {
    FunctionHistory history = HistoryOf({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
    history.clear();
    EXPECT_EQ(Slots(history), Expected({}));
    for (int n = 1; n <= Size; ++n) {
        EXPECT_EQ(history.caption(n), "&" + QString::number(n) + ". <empty>");
    }
}

TEST(FunctionHistoryTest, SlotNumbersOutsideTheTenReadEmpty) {
    const FunctionHistory history = HistoryOf({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
    EXPECT_EQ(history.slot(0), "");
    EXPECT_EQ(history.slot(11), "");
    EXPECT_EQ(history.slot(-1), "");
}

TEST_F(FunctionHistoryStoreTest, SaveWritesTheTenSlotsAndLoadReadsThemBack) {
    QString longest;
    while (longest.size() < 100000) {
        longest += "sin(x)*cos(2*x)+";
    }
    longest += "x";
    FunctionHistory saved = HistoryOf({"x^2", "1/(x*tan(2*x))"});
    saved.push(longest);
    SettingsStore store{testing_support::TestStoreLocation()};
    saved.save(store);
    EXPECT_EQ(Store().value("function 1").toString(), longest);
    EXPECT_EQ(Store().value("function 2").toString(), "x^2");
    EXPECT_EQ(Store().value("function 10").toString(), "");

    FunctionHistory loaded;
    loaded.load(store);
    EXPECT_EQ(Slots(loaded), Slots(saved));
    EXPECT_EQ(loaded.slot(1).size(), longest.size());
}

TEST_F(FunctionHistoryStoreTest, LoadOnAFreshStoreCreatesTenEmptySlots) {
    SettingsStore store{testing_support::TestStoreLocation()};
    FunctionHistory history = HistoryOf({"stale"});
    history.load(store);
    EXPECT_EQ(Slots(history), Expected({}));
    for (int n = 1; n <= Size; ++n) {
        EXPECT_TRUE(Store().contains("function " + QString::number(n))) << n;
    }
}

TEST_F(FunctionHistoryStoreTest, AClearedHistorySavesTenEmptyValues) {
    SettingsStore store{testing_support::TestStoreLocation()};
    FunctionHistory history = HistoryOf({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
    history.save(store);
    history.clear();
    history.save(store);
    for (int n = 1; n <= Size; ++n) {
        const QVariant stored = Store().value("function " + QString::number(n));
        ASSERT_TRUE(stored.isValid()) << n;
        EXPECT_EQ(stored.toString(), "") << n;
    }
    // Empty values stay empty on the next start.
    FunctionHistory reloaded = HistoryOf({"stale"});
    reloaded.load(store);
    EXPECT_EQ(Slots(reloaded), Expected({}));
}

TEST_F(FunctionHistoryStoreTest, ExamplesAreTheirDefaultsOnAFreshStore) {
    SettingsStore store{testing_support::TestStoreLocation()};
    const char* defaults[] = {"x*sin(5*x)", "3*sin(0.1*x^3)", "1/(x*tan(2*x))"};
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        const QString name = "Example " + QString::number(n);
        EXPECT_FALSE(Store().contains(name));
        EXPECT_EQ(ReadExample(n, store), defaults[n - 1]);
        EXPECT_EQ(Store().value(name).toString(), defaults[n - 1]);
    }
    EXPECT_EQ(ReadExample(0, store), "");
    EXPECT_EQ(ReadExample(4, store), "");
}

TEST_F(FunctionHistoryStoreTest, AHandEditedExampleIsReadAtEveryUse) {
    SettingsStore store{testing_support::TestStoreLocation()};
    EXPECT_EQ(ReadExample(2, store), "3*sin(0.1*x^3)");
    Store().setValue("Example 2", "exp(-x^2)");
    Store().sync();
    EXPECT_EQ(ReadExample(2, store), "exp(-x^2)");
    Store().setValue("Example 2", "");
    Store().sync();
    EXPECT_EQ(ReadExample(2, store), "");
}

} // namespace
} // namespace plotmere

#include "editor/token_editing.h"

#include <gtest/gtest.h>

namespace plotmere {
namespace {

TEST(DeleteLastTokenTest, RemovesTheTailUpToAndIncludingTheLastOperator) {
    struct Row {
        const char* before;
        const char* after;
    };
    const Row rows[] = {
        {"x*sin(5*x)", "x*sin(5"},
        {"x+", "x"},
        {"x+sin(", "x"}, // the function and the operator before it go together
        {"sin(", ""},
        {"(x+1)", "(x"},
        {"x + 2", "x "}, // blanks go like any other character
        {"", ""},
        {"x", ""},
        {"12ab3", ""},
        {"a-b-c", "a-b"},
        {"x^-", "x^"}, // only one operator per click
        {"-", ""},
        {"2%x", "2"},
        {"x/.5", "x"},
        {"x^2", "x"},
        {"3*-x", "3*"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.before);
        EXPECT_EQ(DeleteLastToken(row.before), QString(row.after));
    }
}

// Non-ASCII text typed into the box goes whole; an operator still stops the deletion.
TEST(DeleteLastTokenTest, RemovesCharactersOutsideAsciiWhole) {
    EXPECT_EQ(DeleteLastToken(QString::fromUtf8("x+\u00e9\U0001F600")), "x");
    EXPECT_EQ(DeleteLastToken(QString::fromUtf8("\u00e9\U0001F600")), "");
}

TEST(AppendTokenTest, KeypadSequencesBuildTheExpression) {
    EXPECT_EQ(AppendToken(AppendToken(AppendToken("", "sin("), "x"), ")"), "sin(x)");
    EXPECT_EQ(AppendToken("x^", "-"), "x^-");
    EXPECT_EQ(AppendToken("2*", u"pi"), "2*pi");
    // Del after a function key takes the function and its operator back out.
    EXPECT_EQ(DeleteLastToken(AppendToken("x+", "arcosh(")), "x");
}

} // namespace
} // namespace plotmere

#include "support/main_window_fixture.h"
#include "support/main_window_state.h"

#include "editor/keypad_keys.h"
#include "editor/parameters.h"
#include "widgets/clickable_label.h"
#include "windows/message_window.h"

#include <QAction>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace plotmere {
namespace {

using namespace testing_support;

class MainWindowEditorTest : public testing_support::MainWindowFixture {
protected:
    void press(const char* key) { QTest::mouseClick(control<ClickableLabel>(key), Qt::LeftButton); }

    void plot(const QString& expression) {
        control<QLineEdit>("inputfunc")->setText(expression);
        QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    }

    // The history as stored, which follows every change of it.
    QStringList history() const {
        QStringList texts;
        for (int n = 1; n <= 10; ++n) {
            texts << Store().value(QString("function %1").arg(n)).toString();
        }
        while (!texts.isEmpty() && texts.last().isEmpty()) {
            texts.removeLast();
        }
        return texts;
    }

    QString shownMessage() const { return ShownMessage(); }
};

TEST_F(MainWindowEditorTest, KeysAppendAtTheEndWhateverTheCaret) {
    press("qsin");
    EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), "sin(");
    press("qx");
    press("qrbra");
    EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), "sin(x)");
    control<QLineEdit>("inputfunc")->setCursorPosition(1);
    control<QLineEdit>("inputfunc")->setSelection(0, 3);
    press("qexpo");
    press("qminus");
    EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), "sin(x)^-");
    EXPECT_EQ(control<QLineEdit>("inputfunc")->cursorPosition(), 8);
    EXPECT_TRUE(control<QLineEdit>("inputfunc")->hasFocus());
}

TEST_F(MainWindowEditorTest, EveryTokenKeyAppendsItsText) {
    for (const KeypadKey& key : KeypadKeys) {
        if (key.appended.empty()) {
            continue;
        }
        control<QLineEdit>("inputfunc")->setText("1");
        press(std::string(key.name).c_str());
        EXPECT_EQ(control<QLineEdit>("inputfunc")->text().toStdString(),
                  "1" + std::string(key.appended))
            << key.name;
    }
}

TEST_F(MainWindowEditorTest, DelRemovesTheLastTokenAndClearEmpties) {
    control<QLineEdit>("inputfunc")->setText("x*sin(5*x)");
    press("qdel");
    EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), "x*sin(5");
    press("qdel");
    EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), "x");
    press("qdel");
    EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), "");
    press("qdel");
    EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), "");
    control<QLineEdit>("inputfunc")->setText("2*x+1");
    press("qclear");
    EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), "");
}

TEST_F(MainWindowEditorTest, NumAppendsACheckedConstant) {
    const std::pair<const char*, const char*> rows[] = {
        {"0.5", "x+.5"}, {"-0.5", "x+-.5"}, {"12", "x+12"}, {"12.0", "x+"}, {"", "x+"}};
    for (const auto& [typed, expected] : rows) {
        control<QLineEdit>("inputfunc")->setText("x+");
        inputBox.answerNext(typed);
        press("qnum");
        EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), expected) << typed;
    }
    ASSERT_FALSE(inputBox.questions.empty());
    EXPECT_EQ(inputBox.questions[0].prompt,
              "Enter a numerical constant\r\nto append to the expression:");
    EXPECT_EQ(inputBox.questions[0].proposed, "");
    inputBox.answerNext("100000");
    press("qnum");
    EXPECT_EQ(shownMessage(), "Out of allowed range [-99999 to 99999].");
}

// Every number "num" accepts can be plotted, also one the program writes in scientific form,
// and so can a parameter whose text is scientific.
TEST_F(MainWindowEditorTest, ScientificNumbersFromNumAndParametersCanBePlotted) {
    control<QLineEdit>("inputfunc")->setText("x+");
    inputBox.answerNext("1E-05");
    press("qnum");
    ASSERT_EQ(control<QLineEdit>("inputfunc")->text(), "x+1E-05");
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(shownMessage(), "");
    ASSERT_EQ(ViewOf(*window).graphs().graphCount(), 1);
    EXPECT_EQ(ViewOf(*window).graphs().graph(1).expression.postfixText, "x 1e-05 + ");

    Store().setValue("parameter d", "1E+08");
    restartWindow();
    EXPECT_EQ(control<ClickableLabel>("qqd")->text(), "d=1E+08");
    plot("d*x");
    EXPECT_EQ(shownMessage(), "");
    ASSERT_EQ(ViewOf(*window).graphs().graphCount(), 1);
    EXPECT_EQ(ViewOf(*window).graphs().graph(1).expression.postfixText, "1E+08 x * ");
}

TEST_F(MainWindowEditorTest, ParameterLabelsShowStoreAndRestoreTheirValues) {
    EXPECT_EQ(control<ClickableLabel>("qqa")->text(), "a=0");
    EXPECT_EQ(control<ClickableLabel>("qqe")->text(), "e=4");
    inputBox.answerNext("0.25");
    press("qqa");
    EXPECT_EQ(inputBox.questions.back().prompt, "Enter new parameter value:");
    EXPECT_EQ(inputBox.questions.back().proposed, "0");
    EXPECT_EQ(control<ClickableLabel>("qqa")->text(), "a=.25");
    EXPECT_EQ(Store().value("parameter a").toString(), ".25");
    inputBox.answerNext("0.1234567891");
    press("qqc");
    EXPECT_EQ(control<ClickableLabel>("qqc")->text(), "c=.1234568");
    inputBox.answerNext("-0.5");
    press("qqe");
    EXPECT_EQ(control<ClickableLabel>("qqe")->text(), "e=-.5");
    inputBox.answerNext("99999.5");
    press("qqb");
    EXPECT_EQ(shownMessage(), "Out of allowed range [-99999 to 99999].");
    EXPECT_EQ(control<ClickableLabel>("qqb")->text(), "b=1");

    restartWindow();
    EXPECT_EQ(control<ClickableLabel>("qqa")->text(), "a=.25");
    EXPECT_EQ(control<ClickableLabel>("qqc")->text(), "c=.1234568");
    EXPECT_EQ(control<ClickableLabel>("qqe")->text(), "e=-.5");
}

TEST_F(MainWindowEditorTest, ParameterCaptionsTooWideForTheirLabelShowWhole) {
    auto* label = control<ClickableLabel>("qqd");
    const QFont usual = label->font();
    const auto fitsWhole = [&] {
        return QFontMetricsF(label->font()).horizontalAdvance(label->text()) <=
               label->contentsRect().width();
    };
    for (const char* value : {"-1.234568E-05", "1.5E-05", "-0.0001234567"}) {
        SCOPED_TRACE(value);
        inputBox.answerNext(value);
        press("qqd");
        EXPECT_TRUE(label->text().startsWith("d=")) << label->text().toStdString();
        EXPECT_EQ(label->text(), "d=" + Store().value("parameter d").toString());
        EXPECT_TRUE(fitsWhole()) << "shown in " << label->font().pointSizeF() << " points";
        EXPECT_GE(label->font().pointSizeF(), 4.5);
    }
    EXPECT_EQ(label->text(), "d=-.0001234567");
    // A caption that fits is shown in the usual font again, and the other labels never changed.
    inputBox.answerNext("3");
    press("qqd");
    EXPECT_EQ(label->text(), "d=3");
    EXPECT_EQ(label->font(), usual);
    EXPECT_EQ(control<ClickableLabel>("qqa")->font(), usual);
    // The longest caption there is, from a hand-edited store, is shown whole at the next start.
    window->close();
    window.reset();
    Store().setValue("parameter d", "-3.402823E+38");
    ASSERT_NO_FATAL_FAILURE(startWindow());
    label = control<ClickableLabel>("qqd");
    EXPECT_EQ(label->text(), "d=-3.402823E+38");
    EXPECT_TRUE(fitsWhole());
}

TEST_F(MainWindowEditorTest, ANewParameterReachesOnlyNewGraphs) {
    plot("a");
    inputBox.answerNext("3");
    press("qqa");
    plot("a");
    EXPECT_EQ(ViewOf(*window).graphs().graph(1).expression.postfixText, "0 ");
    EXPECT_EQ(ViewOf(*window).graphs().graph(2).expression.postfixText, "3 ");
    QTest::mouseClick(control<ClickableLabel>("labxzoomin"), Qt::LeftButton); // a full redraw
    EXPECT_EQ(ViewOf(*window).graphs().graph(1).expression.postfixText, "0 ");
}

TEST_F(MainWindowEditorTest, HistoryKeepsTheTenMostRecentExpressionsUnique) {
    plot("X * SIN(5 * X)");
    plot("x*sin(5*x)");
    plot("x*sin(5*x)");
    EXPECT_EQ(history(), QStringList({"x*sin(5*x)"}));
    EXPECT_EQ(control<QAction>("menufun1")->text(), "&1. y=x*sin(5*x)");
    EXPECT_EQ(control<QAction>("menufun2")->text(), "&2. <empty>");

    control<QAction>("menufunclear")->trigger();
    for (const char* e : {"d", "c", "b", "a"}) {
        plot(e);
    }
    // Expressions are stored as compiled: parameters by name.
    EXPECT_EQ(history(), QStringList({"a", "b", "c", "d"}));
    plot("c");
    EXPECT_EQ(history(), QStringList({"c", "a", "b", "d"}));
    plot("e");
    EXPECT_EQ(history(), QStringList({"e", "c", "a", "b", "d"}));
}

TEST_F(MainWindowEditorTest, AnEleventhExpressionDropsTheOldest) {
    for (int i = 1; i <= 10; ++i) {
        plot(QString::number(i));
    }
    EXPECT_EQ(control<QAction>("menufun10")->text(), "&10. y=1");
    plot("1");
    EXPECT_EQ(history().size(), 10);
    EXPECT_EQ(history().first(), "1");
    EXPECT_EQ(history().last(), "2") << "re-plotting slot 10 drops nothing";
    plot("11");
    EXPECT_EQ(history().first(), "11");
    EXPECT_EQ(history().last(), "3");
    EXPECT_EQ(Store().value("function 10").toString(), "3");
}

TEST_F(MainWindowEditorTest, HistoryItemsAndExamplesFillTheBoxWithoutPlotting) {
    plot("x^2");
    control<QLineEdit>("inputfunc")->setText("something");
    control<QAction>("menufun1")->trigger();
    EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), "x^2");
    control<QAction>("menufun5")->trigger();
    EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), "") << "an empty slot empties the box";

    ASSERT_FALSE(Store().contains("Example 2"));
    control<QAction>("menuexample2")->trigger();
    EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), "3*sin(0.1*x^3)");
    EXPECT_EQ(Store().value("Example 2").toString(), "3*sin(0.1*x^3)");
    Store().setValue("Example 3", "tan(x)");
    control<QAction>("menuexample3")->trigger();
    EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), "tan(x)");
    EXPECT_EQ(ViewOf(*window).graphs().graphCount(), 1);
    EXPECT_EQ(history(), QStringList({"x^2"}));
}

TEST_F(MainWindowEditorTest, ClearHistoryEmptiesEverySlotAndItsStoredValue) {
    plot("x");
    plot("2*x");
    control<QAction>("menufunclear")->trigger();
    EXPECT_TRUE(history().isEmpty());
    EXPECT_EQ(control<QAction>("menufun1")->text(), "&1. <empty>");
    EXPECT_EQ(control<QAction>("menufun10")->text(), "&10. <empty>");
    EXPECT_EQ(Store().value("function 1").toString(), "");
    EXPECT_TRUE(Store().contains("function 1"));
}

TEST_F(MainWindowEditorTest, HistorySurvivesARestartWholeEvenWhenLong) {
    QString longExpression = "x";
    while (longExpression.size() < 5000) {
        longExpression += "+x";
    }
    plot(longExpression);
    plot("sin(x)");
    restartWindow();
    EXPECT_EQ(history(), QStringList({"sin(x)", longExpression}));
    EXPECT_EQ(control<QAction>("menufun1")->text(), "&1. y=sin(x)");
}

} // namespace
} // namespace plotmere

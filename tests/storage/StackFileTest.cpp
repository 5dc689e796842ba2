#include "FakeHost.h"
#include "Sandbox.h"

#include "calculator/Calculator.h"
#include "storage/StackFile.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarnel::storage {
namespace {

using calculator::Calculator;
using engine::NumberBase;
using test::readBytes;
using test::Sandbox;
using test::writeBytes;

std::vector<std::string> stackOf(const Calculator& c) {
    return c.stack().toVector();
}

// Pushes entries the way a user does: typed into the line, then ENT.
void push(Calculator& c, const std::vector<std::string>& entries) {
    for (const auto& e : entries) {
        c.setInputText(e);
        c.enter();
    }
}

// Everything Load Stack may change.
struct Snapshot {
    std::vector<std::string> stack;
    std::vector<std::string> undo;
    NumberBase base;
    int wordSize;
    std::string input;
    std::string lastInput;

    explicit Snapshot(const Calculator& c)
        : stack(c.stack().toVector()), undo(c.undoStack().toVector()), base(c.currentBase()),
          wordSize(c.wordSize()), input(c.inputText()), lastInput(c.lastInput()) {}
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

TEST(StackFile, SaveNameReplacesTheExtension) {
    const struct {
        const char* chosen;
        const char* written;
    } cases[] = {
        {"mystack", "mystack.STK"},
        {"a.txt", "a.STK"},
        {"a.STK", "a.STK"},
        {"a.b.c", "a.b.STK"},
        {"/tmp/x.y/z", "/tmp/x.y/z.STK"},
        {"/tmp/x.y/z.stk", "/tmp/x.y/z.STK"},
        {"dir/.hidden", "dir/.STK"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(stackFileName(QString::fromUtf8(c.chosen)), QString::fromUtf8(c.written));
    }
}

TEST(StackFile, SavesByteForByteAndLeavesTheCalculatorAlone) {
    const struct {
        NumberBase base;
        int wordSize;
        std::vector<std::string> entries;
        QByteArray expected;
    } cases[] = {
        {NumberBase::Hex, 16, {"1F", "3"}, "1\r\n16\r\n1F\r\n3\r\n"},
        {NumberBase::Hex, 64, {}, "1\r\n64\r\n"},
        {NumberBase::Oct, 32, {"17", "777", "0"}, "4\r\n32\r\n17\r\n777\r\n0\r\n"},
        {NumberBase::Dec, 8, {"300"}, "2\r\n8\r\n300\r\n"}, // stored entries are not reduced
        {NumberBase::Bin, 128, {"101"}, "3\r\n128\r\n101\r\n"},
    };
    for (const auto& c : cases) {
        Sandbox box;
        test::FakeHost host;
        Calculator calc(&host);
        calc.loadBase(c.base);
        calc.loadWordSize(c.wordSize);
        push(calc, c.entries);
        const Snapshot before(calc);
        const QString chosen = box.path(QStringLiteral("saved.txt"));
        ASSERT_FALSE(saveStackFile(chosen, calc).has_value());
        EXPECT_EQ(readBytes(box.path(QStringLiteral("saved.STK"))), c.expected);
        EXPECT_FALSE(QFileInfo::exists(chosen));
        EXPECT_EQ(Snapshot(calc), before);
    }
}

TEST(StackFile, SaveReplacesAnOlderFile) {
    Sandbox box;
    Calculator calc;
    push(calc, {"A"});
    const QString path = box.path(QStringLiteral("x.STK"));
    writeBytes(path, QByteArray(100000, 'z'));
    ASSERT_FALSE(saveStackFile(path, calc).has_value());
    EXPECT_EQ(readBytes(path), QByteArray("1\r\n64\r\nA\r\n"));
}

TEST(StackFile, LoadTakesBaseWordSizeAndEntriesAndUndoKeepsThem) {
    Sandbox box;
    // Saved in OCT at word size 32, loaded while in HEX at word size 8.
    Calculator writer;
    writer.loadBase(NumberBase::Oct);
    writer.loadWordSize(32);
    push(writer, {"17", "777"});
    const QString path = box.path(QStringLiteral("oct.STK"));
    ASSERT_FALSE(saveStackFile(path, writer).has_value());

    test::FakeHost host;
    Calculator calc(&host);
    calc.loadWordSize(8);
    push(calc, {"FF", "1"});
    calc.setInputText("A");
    ASSERT_FALSE(loadStackFile(path, calc).has_value());
    EXPECT_EQ(calc.currentBase(), NumberBase::Oct);
    EXPECT_EQ(calc.wordSize(), 32);
    EXPECT_EQ(stackOf(calc), (std::vector<std::string>{"17", "777"}));
    EXPECT_EQ(calc.inputText(), "12"); // the input line converted as by the base button
    EXPECT_EQ(calc.displayLines()[3], "17");
    EXPECT_EQ(calc.displayLines()[4], "777");
    calc.undoLast();
    EXPECT_EQ(stackOf(calc), (std::vector<std::string>{"17", "777"}));
}

TEST(StackFile, LoadAcceptsForeignLineEnds) {
    const QByteArray files[] = {
        "2\n8\n1\n2\n3",       "2\r8\r1\r2\r3\r",     "2\r\n8\r\n1\r\n2\r\n3\r\n",
        "2\n8\r\n1\r2\n3\r\n", "2\n8\n1\n\n2\n3\n\n",
    };
    for (const QByteArray& file : files) {
        Sandbox box;
        const QString path = box.path(QStringLiteral("in.STK"));
        writeBytes(path, file);
        Calculator calc;
        ASSERT_FALSE(loadStackFile(path, calc).has_value()) << file.toStdString();
        EXPECT_EQ(calc.currentBase(), NumberBase::Dec);
        EXPECT_EQ(calc.wordSize(), 8);
        EXPECT_EQ(stackOf(calc), (std::vector<std::string>{"1", "2", "3"})) << file.toStdString();
    }
}

TEST(StackFile, LoadLimitsTheWordSizeLine) {
    const struct {
        QByteArray line;
        int wordSize;
    } cases[] = {{"0", 64}, {"-5", 64}, {"129", 128}, {"100000", 128}, {"1", 1}, {"$10", 16}};
    for (const auto& c : cases) {
        Sandbox box;
        const QString path = box.path(QStringLiteral("ws.STK"));
        writeBytes(path, "1\r\n" + c.line + "\r\nFF\r\n");
        Calculator calc;
        ASSERT_FALSE(loadStackFile(path, calc).has_value());
        EXPECT_EQ(calc.wordSize(), c.wordSize) << c.line.toStdString();
    }
}

TEST(StackFile, EmptyStackFileLoadsAsEmptyStackInItsBase) {
    Sandbox box;
    const QString path = box.path(QStringLiteral("e.STK"));
    writeBytes(path, "3\r\n12\r\n");
    Calculator calc;
    push(calc, {"1"});
    ASSERT_FALSE(loadStackFile(path, calc).has_value());
    EXPECT_TRUE(calc.stack().empty());
    EXPECT_EQ(calc.currentBase(), NumberBase::Bin);
    EXPECT_EQ(calc.wordSize(), 12);
}

TEST(StackFile, BadFilesGiveTheirMessageAndChangeNothing) {
    Sandbox box;
    const QString dir = box.path(QStringLiteral("files"));
    QDir().mkpath(dir);
    auto file = [&](const QString& name, const QByteArray& data) {
        const QString path = dir + QLatin1Char('/') + name;
        writeBytes(path, data);
        return path;
    };
    const QString missing = dir + QStringLiteral("/missing.STK");
    const QString folder = dir + QStringLiteral("/folder.STK");
    QDir().mkpath(folder);
    const QString longLine = file(QStringLiteral("long.STK"), QByteArray(10 * 1024 * 1024, 'F'));
    const struct {
        QString path;
        QString message;
    } cases[] = {
        {missing, QStringLiteral("Cannot open file ") + missing},
        {folder, QStringLiteral("Cannot open file ") + folder},
        {file(QStringLiteral("empty.STK"), ""), QStringLiteral("List index out of bounds")},
        {file(QStringLiteral("one.STK"), "2\r\n"), QStringLiteral("List index out of bounds")},
        {longLine, QStringLiteral("List index out of bounds")},
        {file(QStringLiteral("ws.STK"), "2\r\nsixty\r\n1\r\n"),
         QStringLiteral("'sixty' is not a valid integer value")},
        {file(QStringLiteral("binary.STK"), QByteArray("\x89PNG\r\n\x1a\n\x00\x00", 10)),
         QStringLiteral("'?' is not a valid integer value")},
        {file(QStringLiteral("bad.STK"), "2\r\n16\r\n12\r\n1F\r\n"),
         QStringLiteral("Line 4 of %1/bad.STK: '1F' is not a valid decimal number!").arg(dir)},
        {file(QStringLiteral("bin.STK"), "3\r\n16\r\n2\r\n"),
         QStringLiteral("Line 3 of %1/bin.STK: '2' is not a valid binary number!").arg(dir)},
        {file(QStringLiteral("hex.STK"), "7\r\n16\r\nFF\r\nG\r\n"),
         QStringLiteral("Line 4 of %1/hex.STK: 'G' is not a valid hexadecimal number!").arg(dir)},
    };
    for (const auto& c : cases) {
        test::FakeHost host;
        Calculator calc(&host);
        calc.loadBase(NumberBase::Oct);
        calc.loadWordSize(16);
        push(calc, {"7", "10"});
        calc.setInputText("5");
        const Snapshot before(calc);
        const auto failure = loadStackFile(c.path, calc);
        ASSERT_TRUE(failure.has_value()) << c.path.toStdString();
        EXPECT_EQ(failure->message, c.message);
        EXPECT_EQ(Snapshot(calc), before) << c.path.toStdString();
    }
}

TEST(StackFile, SaveIntoAFolderInTheWayFailsAndKeepsTheFolder) {
    Sandbox box;
    const QString target = box.path(QStringLiteral("taken.STK"));
    QDir().mkpath(target + QStringLiteral("/inner"));
    Calculator calc;
    push(calc, {"1"});
    const auto failure = saveStackFile(box.path(QStringLiteral("taken")), calc);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message, QStringLiteral("Cannot create file ") + target);
    EXPECT_FALSE(failure->reason.isEmpty());
    EXPECT_TRUE(QFileInfo(target + QStringLiteral("/inner")).isDir());
}

TEST(StackFile, SaveIntoAMissingFolderFails) {
    Sandbox box;
    Calculator calc;
    const QString chosen = box.path(QStringLiteral("no/such/folder/s"));
    const auto failure = saveStackFile(chosen, calc);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message,
              QStringLiteral("Cannot create file ") + chosen + QStringLiteral(".STK"));
}

} // namespace
} // namespace quarnel::storage

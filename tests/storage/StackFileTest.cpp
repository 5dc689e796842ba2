#include "../calculator/Probe.h"
#include "Sandbox.h"

#include "storage/StackFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarnel::storage {
namespace {

using namespace test;
using calculator::Calculator;
using engine::NumberBase;
using V = std::vector<std::string>;

// Everything Load Stack may change.
struct Snapshot {
    V stack, undo;
    NumberBase base;
    int wordSize;
    std::string input, lastInput;

    explicit Snapshot(const Calculator& c)
        : stack(c.stack().toVector()), undo(quarnel::calculator::CalculatorProbe::undo(c).toVector()), base(c.currentBase()),
          wordSize(c.wordSize()), input(c.inputText()), lastInput(quarnel::calculator::CalculatorProbe::lastInput(c)) {}
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Calculator calculatorIn(NumberBase base, int wordSize, const V& entries) {
    Calculator calc;
    calc.loadBase(base);
    calc.loadWordSize(wordSize);
    push(calc, entries);
    return calc;
}

TEST(StackFile, SaveNameReplacesTheExtension) {
    // clang-format off
    const struct { const char* chosen; const char* written; } cases[] = {
        {"mystack", "mystack.STK"}, {"a.txt", "a.STK"}, {"a.STK", "a.STK"}, {"a.b.c", "a.b.STK"},
        {"/tmp/x.y/z", "/tmp/x.y/z.STK"}, {"/tmp/x.y/z.stk", "/tmp/x.y/z.STK"}, {"dir/.hidden", "dir/.STK"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(stackFileName(QString::fromUtf8(c.chosen)), QString::fromUtf8(c.written));
    }
}

TEST(StackFile, SavesByteForByteOverAnOlderFileAndLeavesTheCalculatorAlone) {
    // clang-format off
    const struct { NumberBase base; int wordSize; V entries; QByteArray expected; } cases[] = {
        {NumberBase::Hex, 16, {"1F", "3"}, "1\r\n16\r\n1F\r\n3\r\n"}, {NumberBase::Hex, 64, {}, "1\r\n64\r\n"},
        {NumberBase::Oct, 32, {"17", "777", "0"}, "4\r\n32\r\n17\r\n777\r\n0\r\n"},
        {NumberBase::Dec, 8, {"300"}, "2\r\n8\r\n300\r\n"}, // stored entries are not reduced
        {NumberBase::Bin, 128, {"101"}, "3\r\n128\r\n101\r\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
        Sandbox box;
        const Calculator calc = calculatorIn(c.base, c.wordSize, c.entries);
        const Snapshot before(calc);
        const QString chosen = box.path(QStringLiteral("saved.txt"));
        writeBytes(box.path(QStringLiteral("saved.STK")), QByteArray(100000, 'z'));
        ASSERT_FALSE(saveStackFile(chosen, calc).has_value());
        EXPECT_EQ(readBytes(box.path(QStringLiteral("saved.STK"))), c.expected);
        EXPECT_FALSE(QFileInfo::exists(chosen));
        EXPECT_EQ(Snapshot(calc), before);
    }
}

TEST(StackFile, LoadTakesBaseWordSizeAndEntriesAndUndoKeepsThem) {
    Sandbox box;
    // Saved in OCT at word size 32, loaded while in HEX at word size 8.
    const QString path = box.path(QStringLiteral("oct.STK"));
    writeBytes(path, "4\r\n32\r\n17\r\n777\r\n");
    Calculator calc = calculatorIn(NumberBase::Hex, 8, {"FF", "1"});
    calc.setInputText("A");
    ASSERT_FALSE(loadStackFile(path, calc).has_value());
    EXPECT_EQ(calc.currentBase(), NumberBase::Oct);
    EXPECT_EQ(calc.wordSize(), 32);
    EXPECT_EQ(calc.stack().toVector(), (V{"17", "777"}));
    EXPECT_EQ(calc.inputText(), "12"); // the input line converted as by the base button
    EXPECT_EQ(calc.displayLines()[3] + calc.displayLines()[4], "17777");
    calc.run(quarnel::calculator::Command::UndoLast);
    EXPECT_EQ(calc.stack().toVector(), (V{"17", "777"}));
}

TEST(StackFile, LoadAcceptsForeignLineEndsAndLimitsTheWordSize) {
    // clang-format off
    const struct { QByteArray file; NumberBase base; int wordSize; V stack; } cases[] = {
        {"2\n8\n1\n2\n3", NumberBase::Dec, 8, {"1", "2", "3"}}, {"3\r\n12\r\n", NumberBase::Bin, 12, {}},
        {"DEC\n64\nab\n", NumberBase::Hex, 64, {"ab"}}, // any other code is HEX; entries kept as written
        {"1\r\n0\r\nFF\r\n", NumberBase::Hex, 64, {"FF"}}, {"1\r\n129\r\nFF\r\n", NumberBase::Hex, 128, {"FF"}},
        {"1\r\n$10\r\nFF\r\n", NumberBase::Hex, 16, {"FF"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        Sandbox box;
        const QString path = box.path(QStringLiteral("in.STK"));
        writeBytes(path, c.file);
        Calculator calc = calculatorIn(NumberBase::Oct, 32, {"1"});
        ASSERT_FALSE(loadStackFile(path, calc).has_value()) << c.file.toStdString();
        EXPECT_EQ(calc.currentBase(), c.base) << c.file.toStdString();
        EXPECT_EQ(calc.wordSize(), c.wordSize) << c.file.toStdString();
        EXPECT_EQ(calc.stack().toVector(), c.stack) << c.file.toStdString();
    }
}

TEST(StackFile, BadFilesGiveTheirMessageAndChangeNothing) {
    Sandbox box;
    const QString dir = box.path(QStringLiteral("files"));
    QDir().mkpath(dir + QStringLiteral("/folder.STK"));
    auto file = [&](const char* name, const QByteArray& data = QByteArray()) {
        const QString path = dir + QLatin1Char('/') + QLatin1String(name);
        if (!data.isNull())
            writeBytes(path, data);
        return path;
    };
    const QString missing = file("missing.STK"), folder = file("folder.STK");
    const QString lineMsg = QStringLiteral("Line %1 of %2/%3: '%4' is not a valid %5 number!");
    const QString notInt = QStringLiteral("'%1' is not a valid integer value");
    // clang-format off
    const struct { QString path; QString message; } cases[] = {
        {missing, QStringLiteral("Cannot open file ") + missing}, {folder, QStringLiteral("Cannot open file ") + folder},
        {file("empty.STK", ""), QStringLiteral("List index out of bounds")},
        {file("ws.STK", "2\r\nsixty\r\n1\r\n"), notInt.arg("sixty")},
        {file("binary.STK", QByteArray("\x89PNG\r\n\x1a\n\x00\x00", 10)), notInt.arg("?")},
        {file("bin.STK", "3\r\n16\r\n2\r\n"), lineMsg.arg(3).arg(dir, "bin.STK", "2", "binary")},
        {file("hex.STK", "7\r\n16\r\nFF\r\nG\r\n"), lineMsg.arg(4).arg(dir, "hex.STK", "G", "hexadecimal")},
    };
    // clang-format on
    for (const auto& c : cases) {
        Calculator calc = calculatorIn(NumberBase::Oct, 16, {"7", "10"});
        calc.setInputText("5");
        const Snapshot before(calc);
        const auto failure = loadStackFile(c.path, calc);
        ASSERT_TRUE(failure.has_value()) << c.path.toStdString();
        EXPECT_EQ(failure->message, c.message);
        EXPECT_EQ(Snapshot(calc), before) << c.path.toStdString();
    }
}

TEST(StackFile, SaveWhereNoFileCanBeMadeFailsAndKeepsWhatIsThere) {
    Sandbox box;
    QDir().mkpath(box.path(QStringLiteral("taken.STK/inner")));
    for (const char* chosen : {"taken", "no/such/folder/s"}) {
        const QString path = box.path(QLatin1String(chosen));
        const auto failure = saveStackFile(path, calculatorIn(NumberBase::Hex, 64, {"1"}));
        ASSERT_TRUE(failure.has_value()) << chosen;
        EXPECT_EQ(failure->message, QStringLiteral("Cannot create file ") + path + ".STK");
        EXPECT_FALSE(failure->reason.isEmpty()) << chosen;
    }
    EXPECT_TRUE(QFileInfo(box.path(QStringLiteral("taken.STK/inner"))).isDir());
}

} // namespace
} // namespace quarnel::storage

#include "ui/MenuTable.h"

#include <array>

namespace quarnel::ui {

namespace {

using K = MenuSpec::Kind;
using enum calculator::Command;
using O = Command::Own;

constexpr MenuSpec menu(int depth, const char* name, const char* caption) {
    return {K::Menu, depth, name, caption, "", false, false, true, O::None};
}
constexpr MenuSpec item(int depth, const char* name, const char* caption, Command command,
                        const char* shortcut = "") {
    return {K::Item, depth, name, caption, shortcut, false, false, true, command};
}
constexpr MenuSpec disabledItem(int depth, const char* name, const char* caption, Command command) {
    return {K::Item, depth, name, caption, "", false, false, false, command};
}
constexpr MenuSpec checkItem(int depth, const char* name, const char* caption, Command command,
                             bool checked) {
    return {K::Item, depth, name, caption, "", true, checked, true, command};
}
constexpr MenuSpec separator(int depth) {
    return {K::Separator, depth, "", "", "", false, false, true, O::None};
}

constexpr auto kMenus = std::to_array<MenuSpec>({
    menu(0, "File1", "&File"),
    disabledItem(1, "CloseStackView1", "", CloseStackView),
    separator(1),
    item(1, "LoadStack1", "&Load Stack", O::LoadStack),
    item(1, "SaveStack1", "&Save Stack", O::SaveStack),
    menu(1, "Print1", "&Print..."),
    item(2, "SetupPrinter1", "&Setup Printer", O::SetupPrinter),
    item(2, "PrintStack1", "&Print Stack", O::PrintStack),
    separator(1),
    item(1, "Exit1", "&Exit", O::Exit),

    menu(0, "Edit1", "&Edit"),
    item(1, "UndoLast1", "", UndoLast, "F2"),
    item(1, "restoreinput1", "", RestoreInput, "Ctrl+Z"),
    separator(1),
    item(1, "Copy1", "&Copy", O::Copy, "Ctrl+C"),
    menu(1, "CopyAs1", "Copy &As"),
    item(2, "CopyWithPrefix1", "With Base &Prefix", O::CopyWithPrefix),
    item(2, "CopyCLiteral1", "As C &Literal", O::CopyCLiteral),
    item(2, "CopyAllBases1", "In &All Four Bases", O::CopyAllBases),
    item(1, "Paste1", "&Paste", O::Paste, "Ctrl+V"),

    menu(0, "Stack1", "&Stack"),
    item(1, "Edit2", "", EditLevel1),
    separator(1),
    item(1, "Dup21", "", Dup2),
    item(1, "Drop21", "", Drop2),
    item(1, "DupN1", "", DupN),
    item(1, "DropN1", "", DropN),
    separator(1),
    item(1, "Pick1", "", Pick),
    item(1, "Roll1", "", Roll),
    item(1, "RollD1", "", RollD),
    item(1, "Over1", "", Over),
    item(1, "Keep1", "", Keep),
    separator(1),
    item(1, "Rotate1", "", Rotate),
    item(1, "Echo1", "", Echo),
    separator(1),
    item(1, "Depth1", "", Depth),
    item(1, "Maximum1", "", Maximum),

    menu(0, "Bits1", "&Bits"),
    item(1, "ShiftLeftN1", "", ShiftLeftN),
    item(1, "ShiftRightN1", "", ShiftRightN),
    item(1, "ArithShiftRightN1", "", ArithShiftRightN),
    item(1, "RotateLeftN1", "", RotateLeftN),
    item(1, "RotateRightN1", "", RotateRightN),
    separator(1),
    item(1, "Mod1", "", Mod),
    separator(1),
    item(1, "PopCount1", "", PopCount),
    item(1, "CountLeadingZeros1", "", CountLeadingZeros),
    item(1, "CountTrailingZeros1", "", CountTrailingZeros),
    item(1, "ByteSwap1", "", ByteSwap),
    item(1, "BitReverse1", "", BitReverse),
    separator(1),
    item(1, "SetBit1", "", SetBit),
    item(1, "ClearBit1", "", ClearBit),
    item(1, "FlipBit1", "", FlipBit),
    item(1, "TestBit1", "", TestBit),
    separator(1),
    item(1, "MaskLeft1", "", MaskLeft),
    item(1, "MaskRight1", "", MaskRight),
    item(1, "SignExtend1", "", SignExtend),
    item(1, "FieldExtract1", "", FieldExtract),
    item(1, "FieldDeposit1", "", FieldDeposit),

    menu(0, "Options1", "&Options"),
    checkItem(1, "UseStackNumbering1", "", UseStackNumbering, true),
    separator(1),
    item(1, "MaximumStackDepth1", "", SetMaximumStackDepth),
    separator(1),
    checkItem(1, "StayonTop1", "&Stay on Top", O::StayOnTop, false),
    separator(1),
    menu(1, "Colors1", "Colors..."),
    item(2, "CalculatorBackground1", "Calculator &Background", O::ColorBackground),
    item(2, "CalculatorStack1", "Calculator &Stack", O::ColorStack),
    item(2, "StackFont1", "Stack &Font", O::ColorFont),
    separator(1),
    menu(1, "SaveCalculatorState1", "S&ave Calculator State..."),
    checkItem(2, "InIniFile1", "In &Ini File", O::StoreInIniFile, true),
    checkItem(2, "InRegistry1", "In &Registry", O::StoreInRegistry, false),
    separator(1),
    checkItem(1, "ShowReadout1", "Show &Readout", O::ShowReadout, false),

    menu(0, "Demo1", "&Demo"),
    item(1, "Run1", "&Run Demo", O::RunDemo),
    disabledItem(1, "QuitDemo1", "&Quit Demo", O::QuitDemo),

    menu(0, "Help1", "&Help"),
    item(1, "Contents1", "&Contents", O::HelpContents, "F1"),
    item(1, "SearchforHelpon1", "&Search for Help on...", O::HelpSearch),
    separator(1),
    item(1, "About1", "&About...", O::About),
});

} // namespace

std::span<const MenuSpec> menuTable() {
    return kMenus;
}

std::string_view menuCaption(const MenuSpec& spec) {
    if (*spec.caption)
        return spec.caption;
    if (const auto row = spec.command.calculatorCommand())
        return calculator::commandRow(*row).caption;
    return {};
}

} // namespace quarnel::ui

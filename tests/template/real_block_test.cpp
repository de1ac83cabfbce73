#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/text/list_columns.hpp"
#include "host/text/markup.hpp"
#include "host/toolkit/template/template_reader.hpp"
#include "plugin/resources/dialog_template.hpp"

namespace hadrek::toolkit {
namespace {

// "type:id" of every control, in record order.
std::string controlsOf(const DialogTemplate& dialog) {
    std::string out;
    char item[16];
    for (const ControlRecord& control : dialog.controls) {
        std::snprintf(item, sizeof item, "%u:%04X ", static_cast<unsigned>(control.type), unsigned{control.id});
        out += item;
    }
    return out;
}

class RealBlock : public ::testing::Test {
protected:
    void SetUp() override {
        const std::size_t size = peekTemplateBlockSize(kz::dialogTemplateBlock());
        ASSERT_EQ(size, kz::kDialogTemplateBlockSize);
        result_ = readTemplateBlock(kz::dialogTemplateBlock(), size);
        ASSERT_TRUE(result_.block) << result_.error;
    }
    const TemplateBlock& block() const { return *result_.block; }

private:
    ReadResult result_;
};

TEST_F(RealBlock, WalksToItsEnd) {
    EXPECT_EQ(block().bytesConsumed, 4u + 1058u);
    ASSERT_EQ(block().dialogs.size(), 2u);
    EXPECT_EQ(block().dialogs[0].dialog.id, 20081);
    EXPECT_EQ(block().dialogs[1].dialog.id, 20082);
}

TEST_F(RealBlock, SelectionDialog) {
    const DialogTemplate* dialog = findDialog(block(), 20081);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->dialog.text, "Wybierz zam\xA2wienie");
    EXPECT_EQ(controlsOf(*dialog), "4:5801 3:FFFF 6:4001 0:5001 0:5200 0:0400 ");
    EXPECT_TRUE(dialog->slotOffsets.empty());

    const ControlRecord& header = dialog->controls.at(0);
    std::string widths;
    for (const text::Column& column : text::parseColumns(header.text, header.width)) {
        widths += std::to_string(column.width) + " ";
    }
    EXPECT_EQ(widths, "5 17 54 15 12 8 ");
    EXPECT_EQ(text::visibleLines(dialog->controls.at(1).text), std::vector<std::string>{"F3 Dokumenty"});
}

TEST_F(RealBlock, OptionsDialog) {
    const DialogTemplate* dialog = findDialog(block(), 20082);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->dialog.text, "Podaj dane wej\236ciowe");
    EXPECT_EQ(controlsOf(*dialog),
              "3:3C00 5:FFFF 3:3D00 5:FFFF 4:FFFF 3:3E00 5:FFFF 3:3F00 5:FFFF 3:4000 5:FFFF 3:4100 5:FFFF "
              "3:4152 5:4153 0:4154 0:5001 0:5002 ");
    EXPECT_EQ(dialog->slotOffsets, (std::vector<std::size_t>{0, 9, 18, 44, 70, 96, 110}));
    EXPECT_EQ(dialog->bufferSize, 370u);

    std::vector<bool> periods;
    for (const ControlRecord& control : dialog->controls) {
        if (control.type == Typ::PoleEdycji) periods.push_back(control.periodField);
    }
    EXPECT_EQ(periods, (std::vector<bool>{true, true, false, false, false, false, false}));

    const ControlRecord& folderButton = dialog->controls.at(15);
    EXPECT_EQ(text::hotKeyOf(folderButton.text), folderButton.hotKey);
    EXPECT_EQ(text::visibleLines(folderButton.text), std::vector<std::string>{"Wybierz"});
}

}  // namespace
}  // namespace hadrek::toolkit

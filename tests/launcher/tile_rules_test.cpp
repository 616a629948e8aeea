#include <gtest/gtest.h>

#include <map>
#include <string>

#include "launcher/task_catalogue.h"
#include "launcher/tile_rules.h"

using namespace launcher;

namespace {

// Tiles as plain colour records, starting white with window-text captions like the real ones.
class FakeBoard final : public TileBoard {
public:
    struct Tile {
        Colour background = PlainTileColour;
        Colour font = WindowTextColour;
    };

    FakeBoard()
    {
        for (const CategoryEntry& c : TaskCatalogue::categories()) {
            tiles[std::string(c.tileName)];
        }
        for (const TaskEntry& t : TaskCatalogue::tasks()) {
            tiles[std::string(t.tileName)];
            labels[std::string(t.titleName)] = WindowTextColour;
        }
        for (const std::string_view pane : TaskCatalogue::panes()) {
            panes[std::string(pane)] = false;
        }
    }

    [[nodiscard]] Colour tileColour(std::string_view tile) const override
    {
        const auto it = tiles.find(std::string(tile));
        return it == tiles.end() ? PlainTileColour : it->second.background;
    }
    void setTileColours(std::string_view tile, Colour background, Colour font) override
    {
        ++writes;
        if (const auto it = tiles.find(std::string(tile)); it != tiles.end()) {
            it->second = {background, font};
        }
    }
    void setLabelFontColour(std::string_view label, Colour font) override
    {
        ++writes;
        labels.at(std::string(label)) = font;
    }
    void setPaneVisible(std::string_view pane, bool visible) override
    {
        ++writes;
        panes.at(std::string(pane)) = visible;
    }

    [[nodiscard]] std::string visiblePanes() const
    {
        std::string result;
        for (const auto& [name, visible] : panes) {
            if (visible) {
                result += name + ";";
            }
        }
        return result;
    }
    [[nodiscard]] bool lit(const std::string& tile) const
    {
        const Tile& t = tiles.at(tile);
        return t.background == HighlightColour && t.font == WhiteText;
    }
    [[nodiscard]] bool plain(const std::string& tile) const
    {
        const Tile& t = tiles.at(tile);
        return t.background == PlainTileColour && t.font == WindowTextColour;
    }

    std::map<std::string, Tile> tiles;
    std::map<std::string, Colour> labels;
    std::map<std::string, bool> panes;
    int writes = 0;
};

} // namespace

TEST(FormShow, FirstShowingSelectsTheFirstCategoryOnce)
{
    FakeBoard board;
    int tag = 0;
    FormShow(board, tag);
    EXPECT_EQ(tag, 1);
    EXPECT_TRUE(board.lit("panData"));
    EXPECT_EQ(board.visiblePanes(), "panDataDetail;");

    SelectCategory(board, "panISO");
    FormShow(board, tag);
    EXPECT_TRUE(board.lit("panISO"));
    EXPECT_TRUE(board.plain("panData"));
}

TEST(SelectCategory, IconCaptionAndTileSelectTheSameCategory)
{
    struct Case {
        const char* element;
        const char* tile;
        const char* pane;
    };
    const Case cases[] = {
        {"labIso", "panISO", "panISODetail"},       {"imgISO", "panISO", "panISODetail"},
        {"panErase", "panErase", "panEraseDetail"}, {"labDiscInfo", "panDiscInfo", "panDiscInfoDetail"},
        {"imgAudio", "panAudio", "panAudioDetail"}, {"labVideo", "panVideo", "panVideoDetail"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.element);
        FakeBoard board;
        int tag = 0;
        FormShow(board, tag);
        SelectCategory(board, c.element);
        for (const CategoryEntry& entry : TaskCatalogue::categories()) {
            const std::string name(entry.tileName);
            EXPECT_EQ(board.lit(name), name == c.tile) << name;
            EXPECT_EQ(board.plain(name), name != c.tile) << name;
        }
        EXPECT_EQ(board.visiblePanes(), std::string(c.pane) + ";");
    }
}

TEST(SelectCategory, ReselectingTheSelectedCategoryChangesNothing)
{
    FakeBoard board;
    int tag = 0;
    FormShow(board, tag);
    for (const char* element : {"panData", "imgData", "labData"}) {
        const int before = board.writes;
        SelectCategory(board, element);
        EXPECT_EQ(board.writes, before) << element;
    }
    EXPECT_EQ(board.visiblePanes(), "panDataDetail;");
}

TEST(SelectCategory, ANameWithoutAPaneLeavesAllPanesHidden)
{
    FakeBoard board;
    int tag = 0;
    FormShow(board, tag);
    SelectCategory(board, "imgArrow1");
    EXPECT_EQ(board.visiblePanes(), "");
    for (const CategoryEntry& entry : TaskCatalogue::categories()) {
        EXPECT_TRUE(board.plain(std::string(entry.tileName)));
    }
}

TEST(HighlightTask, MovesWithinThePaneAndRecoloursTitles)
{
    FakeBoard board;
    HighlightTask(board, "panDataCD");
    EXPECT_TRUE(board.lit("panDataCD"));
    EXPECT_EQ(board.labels["labDataCD"], WhiteText);

    HighlightTask(board, "panDataDVD");
    EXPECT_TRUE(board.plain("panDataCD"));
    EXPECT_EQ(board.labels["labDataCD"], WindowTextColour);
    EXPECT_TRUE(board.lit("panDataDVD"));
    EXPECT_EQ(board.labels["labDataDVD"], WhiteText);
    EXPECT_TRUE(board.plain("panDataBD"));
}

TEST(HighlightTask, RehighlightingIsANoOp)
{
    FakeBoard board;
    HighlightTask(board, "panISOBuild");
    const int before = board.writes;
    HighlightTask(board, "panISOBuild");
    EXPECT_EQ(board.writes, before);
}

TEST(HighlightTask, EachPaneKeepsItsOwnHighlightAcrossCategorySwitches)
{
    FakeBoard board;
    int tag = 0;
    FormShow(board, tag);
    SelectCategory(board, "panISO");
    HighlightTask(board, "panISOBurn");
    SelectCategory(board, "panErase");
    HighlightTask(board, "panEraseDisc");
    HighlightTask(board, "panDataBD");
    SelectCategory(board, "labIso");
    EXPECT_TRUE(board.lit("panISOBurn"));
    EXPECT_EQ(board.labels["labISOburn"], WhiteText);
    EXPECT_TRUE(board.lit("panEraseDisc"));
    EXPECT_TRUE(board.lit("panDataBD"));
}

TEST(HighlightTask, TheHiddenTileIsResetWithItsGroup)
{
    FakeBoard board;
    HighlightTask(board, "panISOOpen");
    HighlightTask(board, "panISOGrab");
    EXPECT_TRUE(board.plain("panISOOpen"));
    EXPECT_EQ(board.labels["labISOOpen"], WindowTextColour);
}

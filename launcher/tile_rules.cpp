#include "launcher/tile_rules.h"

#include "launcher/task_catalogue.h"

namespace launcher {

std::string_view CategoryTileOf(std::string_view element)
{
    for (const CategoryEntry& entry : TaskCatalogue::categories()) {
        if (element == entry.iconName || element == entry.captionName) {
            return entry.tileName;
        }
    }
    return element;
}

void SelectCategory(TileBoard& board, std::string_view element)
{
    const std::string_view tile = CategoryTileOf(element);
    if (board.tileColour(tile) == HighlightColour) {
        return;
    }
    for (const CategoryEntry& entry : TaskCatalogue::categories()) {
        board.setTileColours(entry.tileName, PlainTileColour, WindowTextColour);
    }
    board.setTileColours(tile, HighlightColour, WhiteText);
    for (const std::string_view pane : TaskCatalogue::panes()) {
        board.setPaneVisible(pane, false);
    }
    const std::string_view pane = TaskCatalogue::paneOf(tile);
    if (!pane.empty()) {
        board.setPaneVisible(pane, true);
    }
}

void HighlightTask(TileBoard& board, std::string_view tile)
{
    const TaskEntry* task = TaskCatalogue::task(tile);
    if (task == nullptr || board.tileColour(tile) == HighlightColour) {
        return;
    }
    const auto group = TaskCatalogue::tasksOfPane(task->paneName);
    for (const TaskEntry* member : group) {
        board.setTileColours(member->tileName, PlainTileColour, WindowTextColour);
    }
    board.setTileColours(tile, HighlightColour, WhiteText);
    for (const TaskEntry* member : group) {
        board.setLabelFontColour(member->titleName, WindowTextColour);
    }
    board.setLabelFontColour(task->titleName, WhiteText);
}

void FormShow(TileBoard& board, int& tag)
{
    if (tag != 0) {
        return;
    }
    tag = 1;
    SelectCategory(board, "panData");
}

} // namespace launcher

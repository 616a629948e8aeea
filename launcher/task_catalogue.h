#pragma once

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace launcher {

// One category tile of the left column. The element names are those of the tile's children.
struct CategoryEntry {
    std::string_view tileName;
    std::string_view caption;
    int top;
    bool shown;
    std::string_view paneName;
    std::string_view iconName;
    std::string_view captionName;
    std::string_view markerName;
};

// One task tile of a pane, with the component it starts.
struct TaskEntry {
    std::string_view tileName;
    std::string_view paneName;
    int top;
    bool shown;
    std::string_view title;
    std::string_view line1;
    std::string_view line2;
    std::string_view componentFile;
    std::string_view watchTitle;
    // Ends in a blank; the product name follows it.
    std::string_view missingText;
    std::string_view iconName;
    std::string_view titleName;
    std::string_view line1Name;
    std::string_view line2Name;
};

inline constexpr int TaskTileHeight = 66;
inline constexpr std::string_view MissingComponentCaption = "Component is missing.";

// The fixed tables of categories and tasks, compiled in. Unknown names yield nullptr.
class TaskCatalogue {
public:
    [[nodiscard]] static std::span<const CategoryEntry> categories();
    [[nodiscard]] static std::span<const TaskEntry> tasks();
    // The six task panes in the order the layout rules visit them.
    [[nodiscard]] static std::span<const std::string_view> panes();

    [[nodiscard]] static const CategoryEntry* category(std::string_view tileName);
    [[nodiscard]] static const TaskEntry* task(std::string_view tileName);
    [[nodiscard]] static std::vector<const TaskEntry*> tasksOfPane(std::string_view paneName);
    // Empty when the name is no category tile.
    [[nodiscard]] static std::string_view paneOf(std::string_view categoryTileName);
};

} // namespace launcher
